#pragma once
// The picture of the refraction window: the boundary, the dotted normal, the
// lamp's ray and the reflected and refracted rays (one grey pair, or a fan
// of 63 coloured pairs that add up where they overlap).
#include "canvas/Canvas.h"
#include "geometric/refraction/Snell.h"

#include <QColor>

// What the boxes hold, read leniently, and the sizes the picture takes. The
// defaults are the window's at design size.
struct RefractionParams {
    double n1 = 1.3, n2 = 1, D1 = 0, D2 = 0;
    int panelWidth = 560, panelHeight = 275; // the bitmap, filled whole
    int imageWidth = 558, imageHeight = 273; // the geometry's frame
    int lampLeft = 176, lampWidth = 48, lampHeight = 32;
    QColor background{0, 0, 0};
};

// The lamp's offset from the point of incidence (dy upwards).
int lampDx(const RefractionParams &p);
int lampDy(const RefractionParams &p);

// Draws the whole picture and answers what the rays did.
snell::Trace drawRefractionScene(Canvas &canvas, const RefractionParams &p);
