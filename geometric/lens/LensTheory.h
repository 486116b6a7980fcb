#pragma once
// The thin-lens equation 1/d + 1/f = D for the object's base and tip, and the
// magnification -f / d: where the textbook puts the image. Distances in cm,
// D in dioptres, as the window's inputs.
struct LensTheory {
    bool valid = false;       // D, d and h not 0
    double focal = 0;         // 100 / D, cm
    bool atFocus = false;     // the base at the focal plane: image at infinity
    double image = 0;         // f of the base, cm; negative: virtual, left of the lens
    double magnification = 0; // -f / d
    bool tipAtFocus = false;
    double tipImage = 0, tipHeight = 0; // the tip's image, cm; height up from the axis
};

LensTheory lensTheory(double D, double d, double h, double tiltDegrees);
