#pragma once
// The textbook rings in reflected light: the gap t = r^2 / (2 R) and the half
// wave lost at the plate give dark rings at r = sqrt(m lambda R) and bright
// ones at r = sqrt((m - 1/2) lambda R), m = 1, 2, ...
#include "waves/newton/NewtonRings.h"

#include <vector>

struct NewtonTheory {
    std::vector<double> dark;   // radii in metres, m = 1, 2, ...
    std::vector<double> bright; // radii in metres, m = 1, 2, ...
    // The rings stop short of the lens radius where r^2 / (2 R) is more than
    // 1 % off the true gap, or where the rings come closer than two pixels.
    bool approximationFails = false;
    bool tooDense = false;
};

// The rings out to the lens radius; empty for inputs that give no picture.
NewtonTheory newtonTheory(const NewtonInputs &in);

// A radius in metres as pixels of the picture: one pixel is one step h.
double newtonPixels(double radius, const NewtonInputs &in);
