#pragma once
// The red and violet emergent directions by Snell's law at both faces, from
// where the picture's rays leave the prism, and the minimum deviation.
#include "geometric/prism/PrismTrace.h"
#include "widgets/Overlay.h"

// The picture's frame, the lamp's beam origin and n and D as typed.
OverlayMarks prismTheoryMarks(const prism::Frame &frame, int Sx, int Sy, double n, double D);
