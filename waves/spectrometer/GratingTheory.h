#pragma once
// The grating equation d sin(theta) = m lambda for the lines of the chosen
// source, and where the second lens puts them: (W - 350) 0.4 tan(theta)
// pixels from the axis, the picture's own scale.
#include "waves/spectrometer/SpectrumIni.h"

#include <vector>

struct GratingLine {
    int lambda = 0;      // nm
    int order = 0;       // 1 or 2
    bool exists = false; // sin(theta) <= 1
    double angle = 0;    // theta, degrees
    double offset = 0;   // pixels from the axis
};

// One mark per line (range ends for wider ranges) of nonzero brightness in
// each order asked for; white light gets 400, 500, 600 and 700 nm for
// reference. At most kMaxGratingLines per order.
constexpr int kMaxGratingLines = 40;
std::vector<GratingLine> gratingTheory(const SpectrumSource &source, bool whiteLight,
                                       bool firstOrder, bool secondOrder, int imageWidth);
