#pragma once
// The inner sum of the Fresnel computation: every wavefront element of a
// block of rings against one screen point, vectorised over the azimuth.
#include "waves/fresnel/Fresnel.h"

#include <vector>

// Azimuth tables are padded to a multiple of this many entries.
constexpr int kFresnelLanes = 8;

// Everything the elements need, prepared once per run: double precision for
// the elements, extended for the per-ring series, whose constant terms
// (whole turns, the angle at the element) would lose digits in double.
struct FresnelPlan {
    std::vector<double> h, s;           // per ring: axial distance to the screen, radius
    std::vector<double> sinPhi, weight; // per azimuth (folded, padded with weight 0)
    std::vector<double> r, g;           // per screen entry: radius, rho² - Q
    double turnsPerMetre = 0;           // 1 / lambda
    double halfInverseRho = 0;          // 1 / (2 rho)
    double K = 0;
    std::vector<long double> ringH, ringS; // h and s unrounded
    // Per entry: r, and the nearest and farthest distances from the screen
    // point to the wavefront's sphere, sqrt(Q) -+ rho.
    std::vector<long double> entryR, nearest, farthest;
    long double inverseLambda = 0, rho = 0;
};

// The plan of a sane computation (checkFresnel says None).
FresnelPlan makeFresnelPlan(const FresnelInputs &in);

// Adds the waves of rings [fromRing, toRing) at screen entry k: C gets the
// cosine parts and S the sine parts (both set, not added to).
void sumFresnelElements(const FresnelPlan &plan, int k, int fromRing, int toRing, double &C,
                        double &S);

// computeFresnel with another element sum (the bench's old kernel): the same
// plan, work items, progress and normalisation.
using FresnelElementSum = void (*)(const FresnelPlan &plan, int k, int fromRing, int toRing,
                                   double &C, double &S);
FresnelProfile computeFresnelWith(const FresnelInputs &in, RunControl &control,
                                  FresnelElementSum sum);
