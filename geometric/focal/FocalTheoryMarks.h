#pragma once
// The focal point and the tilted beam's meeting point over the focal picture.
#include "widgets/Overlay.h"

#include <QSize>

// F in pixels and the tilt in degrees as the window holds them, the image's size.
OverlayMarks focalTheoryMarks(int F, int tiltDegrees, QSize picture);
