#pragma once
// What the pointer reads on the Fraunhofer screen: pixel p of the 400 pixels
// across a screen of side S lies (p - 200) S / 400 from its centre.
#include "waves/fraunhofer/Fraunhofer.h"

#include <optional>

struct FraunhoferReading {
    double xMm = 0;     // to the right of the centre
    double yMm = 0;     // above the centre
    double percent = 0; // of the brightest pixel
};

// Position on the screen in mm of a pixel's column (or, negated, its row).
double fraunhoferPositionMm(int pixel, double screen);

// The reading at pixel (x, y); `shadow` reads the plate's shadow, the
// complement of the opening's spot. None off the picture.
std::optional<FraunhoferReading> probeFraunhofer(const FraunhoferPicture &picture, double screen,
                                                 bool shadow, int x, int y);
