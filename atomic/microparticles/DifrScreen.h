#pragma once
// The picture of the electron screen: every recorded hit as a small plus
// sign (the pixel and its four neighbours) in the dot colour.
#include "atomic/microparticles/HitGrid.h"

#include <QImage>
#include <QRect>

// The part `area` of a screen of size `screen` (pixel coordinates of the
// screen), as an RGB32 image of area's size: the background with the hits
// of `grid` on it, including the arms of hits just outside the area.
QImage renderHits(const electrons::HitGrid &grid, QSize screen, const QRect &area, QRgb dot,
                  QRgb background);
