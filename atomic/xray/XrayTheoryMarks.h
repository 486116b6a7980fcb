#pragma once
// The Duane-Hunt limit and Moseley's K-alpha line over the spectrum picture.
#include "widgets/Overlay.h"

#include <QSize>

// `voltage` in volts and `element` (table index 1..16) of the curve the
// theory is for, `picture` the bitmap's size.
OverlayMarks xrayTheoryMarks(int voltage, int element, QSize picture);
