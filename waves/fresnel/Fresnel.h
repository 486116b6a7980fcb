#pragma once
// Fresnel diffraction of a point source's spherical wave by a round or
// ring-shaped opening: Huygens secondary waves on the wavefront in the
// opening, each with the amplitude sin(alpha) exp(-K chi) and the phase of
// its distance to the screen point, summed for 200 radii on the screen.
#include "core/RunControl.h"

#include <array>
#include <cstdint>

constexpr int kFresnelEntries = 200;
constexpr int kFresnelMaxSteps = 10000;

struct FresnelInputs {
    int wavelengthNm = 405;
    long double z1 = 0.01L; // source to opening, m
    long double z2 = 0.01L; // opening to screen, m
    long double innerRadius = 0;
    long double outerRadius = 0.00011L;
    long double screenRadius = 0.0003L; // R
    int radialSteps = 100;              // n alpha, 1..10000
    int azimuthSteps = 100;             // n phi per half turn, 1..10000
    long double K = 100;                // obliquity constant, per radian
};

// What makes a computation meaningless (a message, no computation).
enum class FresnelProblem { None, Wavelength, SourceDistance, ScreenDistance, ScreenRadius, Steps };
FresnelProblem checkFresnel(const FresnelInputs &in);

// Intensity levels 0..255 against the screen radius, entry k at k x R / 200.
using FresnelProfile = std::array<std::int32_t, kFresnelEntries>;

// The profile, on all cores. The brightest entry is 255 exactly; an opening
// through which nothing arrives (no ring, inner radius beyond the outer
// one) gives all 0. Cancellation is polled every few hundred thousand
// elements, progress reported as the share of elements done.
FresnelProfile computeFresnel(const FresnelInputs &in, RunControl &control);
