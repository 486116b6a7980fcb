#pragma once
// Snell's refracted ray and front from the beam's last arrival point, to
// hold against the wavelets' common tangent.
#include "geometric/huygens/HuygensBeam.h"
#include "widgets/Overlay.h"

// The window's inputs (angle, spacing, width, indices, picture size).
OverlayMarks huygensTheoryMarks(const huygens::Inputs &in);
