#pragma once
// The Fraunhofer picture: the computed grey levels, as a bright spot or its
// shadow, in the light's colour or in grey, with an optional dotted outline
// of the opening's geometric image.
#include "waves/fraunhofer/Fraunhofer.h"

#include <QImage>

struct FraunhoferView {
    bool shadow = false; // the plate's shadow instead of the opening's spot
    bool colour = true;
    int wavelengthNm = 600; // the colour's wavelength
    bool outline = false;
    int halfWidth = 0; // the outline's half sides in pixels
    int halfHeight = 0;
};

// trunc(size x 200 / side), saturated: the outline's half side in pixels.
int fraunhoferOutlineSpan(double size, double screen);

// Draws the whole 400 x 400 picture; the bitmap gets that size.
void drawFraunhoferScene(QImage &bitmap, const FraunhoferPicture &picture,
                         const FraunhoferView &view);
