#pragma once
// The two Fresnel pictures: the intensity graph against the screen radius
// with its axes and millimetre labels, and the concentric rings, each with
// an optional dotted outline of the opening's geometric image.
#include "waves/fresnel/Fresnel.h"

#include <QImage>
#include <QString>

struct FresnelView {
    bool colour = true;
    int wavelengthNm = 405;
    double screenRadius = 0.0003; // R, m: the labels at 80 pixels read R x 400 mm
    bool outline = false;
    int outlineRadius = 0; // pixels
};

// trunc(r_out x 200 / R), saturated: the outline's radius in pixels.
int fresnelOutlineRadius(double outerRadius, double screenRadius);
// "%0.4f мм" of a 32-bit float.
QString fresnelTickLabel(float millimetres);

// Each draws a whole 400 x 400 picture; the bitmap gets that size.
void drawFresnelGraph(QImage &bitmap, const FresnelProfile &profile, const FresnelView &view);
void drawFresnelRings(QImage &bitmap, const FresnelProfile &profile, const FresnelView &view);
