#include "polarisation/PolarisationTheory.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
}

double malusRatio(double thetaDegrees) {
    const double c = std::cos(thetaDegrees * kPi / 180);
    return c * c;
}

BrewsterTheory brewsterTheory(double alphaDegrees, double nPar, double nPerp) {
    BrewsterTheory t;
    if (!(nPar > 0) || !(nPerp > 0) || !std::isfinite(alphaDegrees)) return t;
    t.valid = true;
    t.brewster = std::atan(nPar);
    const double a = alphaDegrees * kPi / 180, s = std::sin(a);
    t.refracted = std::abs(s / nPar) <= 1 && std::abs(s / nPerp) <= 1;
    if (!t.refracted) return t;
    const double bPar = std::asin(s / nPar), bPerp = std::asin(s / nPerp);
    if (a == 0) {
        // Normal incidence: both ratios tend to (n - 1) / (n + 1).
        t.rPar = (nPar - 1) / (nPar + 1);
        t.rPerp = (nPerp - 1) / (nPerp + 1);
        return t;
    }
    t.rPar = std::tan(a - bPar) / std::tan(a + bPar);
    t.rPerp = std::sin(a - bPerp) / std::sin(a + bPerp);
    return t;
}

PlateTheory plateTheory(const WaveParams &p, bool outgoing) {
    PlateTheory t;
    const double lambda = double(p.lambda0);
    if (!(lambda > 0) || !std::isfinite(double(p.Kx + p.Ky + p.d + p.f))) return t;
    t.valid = true;
    t.plate = outgoing ? 2 * kPi * double(p.Ky - p.Kx) * double(p.d) / lambda : 0;
    t.total = std::fmod(double(p.f) + t.plate, 2 * kPi);
    if (t.total < 0) t.total += 2 * kPi;
    // Equal amplitudes: a line when Y leads by 0 or pi, a circle at +-pi/2.
    const double tolerance = 1e-6;
    if (std::abs(std::sin(t.total)) < tolerance)
        t.kind = Polarisation::Linear;
    else if (std::abs(std::cos(t.total)) < tolerance)
        t.kind = Polarisation::Circular;
    else
        t.kind = Polarisation::Elliptical;
    return t;
}
