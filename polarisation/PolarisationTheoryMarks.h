#pragma once
// Theory marks of the polarisation windows.
#include "polarisation/anisotropic/AnisotropicWave.h"
#include "widgets/Overlay.h"

#include <QSize>

// Malus: the curve cos^2(theta) in a small inset at the bottom-right of the
// view, with a cross at the current angle.
OverlayMarks malusTheoryMarks(double thetaDegrees, QSize view);

// Brewster: the angle and the amplitude ratios, as a legend (a 3D view).
OverlayMarks brewsterTheoryMarks(double alphaDegrees, double nPar, double nPerp);

// The plate: on the incoming or outgoing picture (`width` the bitmap's,
// the vector square W x W about C = W div 2, amplitude 70 pixels) the
// figure the field vector should sweep, and its kind.
OverlayMarks anisotropicTheoryMarks(const WaveParams &p, int width, bool outgoing);
