#pragma once
// The textbook boundary: Snell's law n1 sin(alpha) = n2 sin(beta), the
// critical angle arcsin(n2 / n1) (only from the denser medium), Brewster's
// angle arctan(n2 / n1), and the Fresnel reflectances of the s and p waves,
// R_s = sin^2(alpha - beta) / sin^2(alpha + beta),
// R_p = tan^2(alpha - beta) / tan^2(alpha + beta), T = 1 - R.
struct RefractionTheory {
    bool valid = false; // both indices positive
    double alpha = 0;   // radians, as the lamp gives it
    bool totalReflection = false;
    double beta = 0;          // radians, when not totally reflected
    bool hasCritical = false; // n1 > n2
    double critical = 0;      // radians
    double brewster = 0;      // radians
    double Rs = 0, Rp = 0;    // 0..1; 1 under total reflection
};

RefractionTheory refractionTheory(double n1, double n2, double alpha);

// The angle of incidence the lamp gives: arctan(dx / dy) with the window's
// dx = W div 2 - left - width div 2, dy = H div 2 - height.
double lampIncidence(int W, int H, int lampLeft, int lampWidth, int lampHeight);
