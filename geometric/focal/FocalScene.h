#pragma once
// The picture of the focal-length window: the lens, its plane and the axis,
// a beam of 13 parallel rays whose front has travelled P pixels, and the
// focal line where the rays meet (or seem to come from).
#include "canvas/Canvas.h"

struct FocalParams {
    int F = 100; // focal length in pixels, negative for a diverging lens
    int P = 0;   // how far the front has travelled
    int T = 0;   // tilt of the incoming beam, degrees
    // The lens outline is placed in the panel, everything else in the image
    // (two pixels smaller: the panel's bevel).
    int panelWidth = 536, panelHeight = 348;
    int imageWidth = 534, imageHeight = 346;
};

// Draws the whole picture; with F = 0 nothing is drawn and false returned
// (the picture keeps what it showed).
bool drawFocalScene(Canvas &canvas, const FocalParams &p);

// The focal line's x in the image, and whether x is close enough to grab it.
int focalLineX(const FocalParams &p);
bool onFocalLine(const FocalParams &p, int x);
