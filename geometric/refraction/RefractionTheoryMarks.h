#pragma once
// Snell's angle, the critical and the Brewster angles drawn from the point
// of incidence, and the Fresnel R and T of s and p in the legend.
#include "widgets/Overlay.h"

#include <QSize>

// The typed indices (without dispersion), the lamp's incidence angle in
// radians (lampIncidence) and the picture's size.
OverlayMarks refractionTheoryMarks(double n1, double n2, double alpha, QSize picture);
