#pragma once
// What the pointer reads on the computed rings: ring i is drawn at a radius of
// i pixels round the picture's centre and shows the sample at i h.
#include "waves/newton/NewtonRings.h"

#include <optional>
#include <vector>

struct NewtonReading {
    int ring = 0;
    double radiusMm = 0;
    double intensity = 0; // share of the brightest sample, 0..1
};

// The reading at pixel (x, y) of the 2n x 2n picture of `levels`; none
// outside the last ring or without a picture.
std::optional<NewtonReading> probeNewton(const NewtonInputs &in, const std::vector<int> &levels,
                                         int x, int y);

// The profile as the picture shows it: radius (mm) and share of the brightest, per ring.
struct NewtonRow {
    double radiusMm = 0;
    double intensity = 0;
};
std::vector<NewtonRow> newtonProfileRows(const NewtonInputs &in, const std::vector<int> &levels);
