#pragma once
// Fresnel zones of the opening seen from the screen's centre: the number of
// zones out to radius r is r^2 (1/z1 + 1/z2) / lambda, the zone edges lie at
// r_k = sqrt(k lambda z1 z2 / (z1 + z2)), and the open zones m_out - m_in
// give the centre the intensity factor sin^2(pi (m_out - m_in) / 2): bright
// for an odd number, dark for an even one. Small angles: r << z1, z2.
#include "waves/fresnel/Fresnel.h"

#include <vector>

struct FresnelTheory {
    bool valid = false;         // inputs the window computes with, inner < outer
    double openZones = 0;       // m_out - m_in
    double centre = 0;          // sin^2(pi m / 2), 0 (dark) .. 1 (bright)
    std::vector<double> edges;  // zone edges within the opening, m, at most kMaxFresnelEdges
    bool paraxialFails = false; // the opening is more than a tenth of z1 or z2
};

constexpr int kMaxFresnelEdges = 100;

FresnelTheory fresnelTheory(const FresnelInputs &in);

// The zone count out to radius r.
double fresnelZones(double r, const FresnelInputs &in);

// The pixel column of a radius on both pictures: 200 + r / (R / 200).
double fresnelPixel(double r, const FresnelInputs &in);
