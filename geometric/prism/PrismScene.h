#pragma once
// The modelling picture of the prism window: the prism, the lamp's beam and
// the fan of 63 rays through it, each ray covering the ones before.
#include "canvas/Canvas.h"
#include "geometric/prism/PrismTrace.h"

#include <QColor>

// What the boxes hold, read leniently, and the sizes and lamp place the
// picture takes. The defaults are the window's at design size.
struct PrismParams {
    double n = 1.3, D = 10;
    int panelWidth = 570, panelHeight = 320; // the bitmap, filled whole
    int imageWidth = 568, imageHeight = 318;
    int lampLeft = 0, lampTop = 152, lampWidth = 32, lampHeight = 48;
    QColor background{0, 0, 0};
};

// Where the lamp's beam leaves: 5 pixels inside its right edge, level with
// its middle.
prism::Point beamSource(const PrismParams &p);

// Draws the whole picture; the trace says whether a ray was totally
// reflected (the window's warning).
prism::Trace drawPrismScene(Canvas &canvas, const PrismParams &p);
