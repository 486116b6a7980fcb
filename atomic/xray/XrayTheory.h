#pragma once
// The textbook figures for the X-ray spectrum: the Duane-Hunt limit
// lambda_min = hc / eV and Moseley's law for the K-alpha line,
// E = 3/4 Ry (Z - 1)^2. The hidden element gets no line, so its identity
// stays the student's to find.
namespace Break_x {

constexpr double kRydberg = 13.6057; // eV

struct XrayTheory {
    double lambdaMin = 0;      // Å; 0 when the voltage is not positive
    bool hasLine = false;      // an element chosen by name
    int Z = 0;                 // its atomic number
    double kAlphaEnergy = 0;   // eV
    double kAlpha = 0;         // Å
    bool lineReachable = true; // lambda_min < lambda(K-alpha): the tube makes such photons
};

// `element` is the table index 1..16 the curve is drawn for; 11..16 and
// anything else give no line.
XrayTheory xrayTheory(int voltage, int element);

// The curve's x for a wavelength in Å on a picture `width` pixels wide.
double xrayPixelX(double angstrom, int width);

} // namespace Break_x
