#pragma once
// The thin-lens prediction over the lens picture: crosses where the images
// of the object's base and tip should be.
#include "widgets/Overlay.h"

#include <QSize>

// The window's D, d, h and tilt, and the picture's size (the lens plane at
// its middle, 10 pixels per centimetre).
OverlayMarks lensTheoryMarks(double D, double d, double h, double tiltDegrees, QSize picture);
