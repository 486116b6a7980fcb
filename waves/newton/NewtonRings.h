#pragma once
// The radial intensity profile of Newton's rings: the air gap between a
// convex lens surface of radius Rc and a flat plate, sampled every h from the
// contact point out to the lens radius a, in extended precision.
#include <optional>
#include <vector>

class RunControl;

struct NewtonInputs {
    long double Rc = 10;          // radius of curvature, m
    long double a = 0.01;         // lens radius, m
    long double h = 0.000035;     // step, m
    long double wavelength = 500; // nm
};

enum class NewtonProblem {
    None,
    StepNotPositive,   // h <= 0
    NoRings,           // a < h: not one ring
    CurvatureTooSmall, // Rc < a: the gap is not defined at the rim
    WavelengthNotPositive,
    OutOfRange, // Rc squared or the phases beyond extended precision
    TooLarge,   // the picture of 2n x 2n pixels would not fit in memory
};

// Rings beyond this make a picture of (2n)^2 pixels too large to hold and
// to draw on the user's side: 6000 x 6000 pixels, 144 MB.
constexpr int kMaxNewtonRings = 3000;

// n = trunc(a / h), saturated: the number of rings and samples.
long long newtonRingCount(long double a, long double h);

// What keeps the inputs from giving a picture, checked in this order.
NewtonProblem checkNewtonInputs(const NewtonInputs &in, int maxRings = kMaxNewtonRings);

// The profile's n grey levels 0..255 (the largest sample is 255); empty when
// the inputs have a problem or the run was cancelled. The levels are those
// of the extended-precision intensities; most come from double cos and sin
// with a bound on their error, the few near a level's edge (and the
// maximum) are computed again in extended precision.
std::vector<int> computeNewtonRings(const NewtonInputs &in, RunControl *control = nullptr);

// I(r) for one radius: the two reflected waves with phase 4 pi t / lambda
// between them, t the gap at r; 5 at the centre, 3 + 2 sqrt 2 at most.
long double newtonIntensity(long double Rc, long double r, long double k);
