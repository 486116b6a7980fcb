#pragma once
// The textbook minima of the far field of a rectangular opening: dark lines
// at x = m lambda L / a across and y = m lambda L / b along, m = 1, 2, ...
// (small angles: sin = tan = x / L).
#include "waves/fraunhofer/Fraunhofer.h"

#include <vector>

struct FraunhoferMinima {
    std::vector<double> at; // screen positions m lambda L / size, metres, m = 1, 2, ...
    // The marks stop where the small-angle position is more than a pixel off
    // L tan(asin(m lambda / size)), or where minima come closer than 3 pixels.
    bool smallAngleFails = false;
    bool tooDense = false;
};

// The minima on one side of the axis, out to the screen's edge; `size` is a
// or b. Empty for inputs that give no picture.
FraunhoferMinima fraunhoferMinima(const FraunhoferInputs &in, double size);

// The pixel column (or row) of a screen position in metres: the axis at 200,
// S / 400 metres per pixel, positive positions to the left (and up).
double fraunhoferPixel(double position, const FraunhoferInputs &in);
