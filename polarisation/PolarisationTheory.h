#pragma once
// The textbook figures of the polarisation windows: Malus's law
// I = I0 cos^2(theta), Brewster's angle arctan(n) with the Fresnel amplitude
// ratios, and the phase a birefringent plate adds, 2 pi (Ky - Kx) d / lambda,
// with the polarisation it leaves.
#include "polarisation/anisotropic/AnisotropicWave.h"

// Malus: I / I0 behind the second polariser, I0 the intensity between them.
double malusRatio(double thetaDegrees);

struct BrewsterTheory {
    bool valid = false;
    double brewster = 0;        // arctan(n_par), radians: r_par vanishes there
    bool refracted = false;     // sin(alpha) / n <= 1 for both components
    double rPar = 0, rPerp = 0; // tan(a - b) / tan(a + b), sin(a - b) / sin(a + b)
};
// alpha in degrees; the indices of the parallel and perpendicular components.
BrewsterTheory brewsterTheory(double alphaDegrees, double nPar, double nPerp);

enum class Polarisation { Linear, Circular, Elliptical };
struct PlateTheory {
    bool valid = false;
    double plate = 0; // 2 pi (Ky - Kx) d / lambda, radians
    double total = 0; // f + plate: the lead of Y behind the plate, radians, in [0, 2 pi)
    Polarisation kind = Polarisation::Linear;
};
// `outgoing` false gives the incoming wave (lead f only).
PlateTheory plateTheory(const WaveParams &p, bool outgoing);
