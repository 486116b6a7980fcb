#pragma once
// Refraction at a flat boundary: Snell's law, the Fresnel intensities of
// unpolarised light and the fan of 63 rays a dispersing medium splits a
// white ray into. Values are kept in single precision, as the picture
// depends on where they round; inputs are saturated to finite singles first.
#include "core/SpectralFan.h"

#include <array>

namespace snell {

// A double stored as a single: saturated to the largest finite single, NaN as 0.
float single(double v);

// Reflected and transmitted shares of the light, R + T = 1.
struct Intensities {
    float R = 1, T = 0;
};

// The mean of the s and p parts for incidence alpha and refraction beta
// (radians, same sign); alpha = 0 transmits everything.
Intensities fresnel(float alpha, float beta);

// One ray of the fan (or the single grey ray without dispersion).
struct Pass {
    float n1 = 0, n2 = 0; // the indices this ray sees
    float beta = 0;       // refraction angle, radians; meaningless when totallyReflected
    bool totallyReflected = false;
    Intensities I;
    Rgb refracted, reflected; // pen colours, the light scaled by T and R
    bool drawRefracted = false;
    bool drawReflected = false;
};

// What the boundary does to the lamp's ray.
struct Trace {
    bool raysShown = false; // false: only the incident ray (no angle or no medium)
    float alpha = 0;        // incidence, radians, positive when the lamp is left of the normal
    bool dispersing = false;
    int count = 0; // 1 without dispersion, 63 with it
    std::array<Pass, spectralfan::kRays> passes{};
};

// dx, dy: the lamp's offset from the point of incidence (dy upwards); n1, n2
// the indices of the upper and lower medium, D1, D2 their dispersion
// coefficients in 1e-5 per nanometre, as typed. Without a lamp above the
// boundary (dy <= 0) or with an index that is not positive, no ray leaves.
Trace trace(int dx, int dy, double n1, double n2, double D1, double D2);

// The largest dispersion of the lower medium.
constexpr double kMaxLowerDispersion = 500;

} // namespace snell
