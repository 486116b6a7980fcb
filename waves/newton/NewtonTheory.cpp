#include "waves/newton/NewtonTheory.h"

#include <cmath>

namespace {

// Ring marks beyond this many are not told apart on a projected picture.
constexpr int kMaxRings = 400;

// Fills `radii` with sqrt((m - shift) lambda R) while it is usable.
void rings(std::vector<double> &radii, double shift, const NewtonInputs &in, NewtonTheory &t) {
    const double lambdaR = static_cast<double>(in.wavelength) * 1e-9 * static_cast<double>(in.Rc);
    const double a = static_cast<double>(in.a), R = static_cast<double>(in.Rc);
    for (int m = 1; m <= kMaxRings; ++m) {
        const double r = std::sqrt((m - shift) * lambdaR);
        if (r > a) return;
        // The relative error of r^2 / (2 R) against R - sqrt(R^2 - r^2) is about r^2 / (4 R^2).
        if (r * r > 0.04 * R * R) {
            t.approximationFails = true;
            return;
        }
        if (!radii.empty() && newtonPixels(r - radii.back(), in) < 2) {
            t.tooDense = true;
            return;
        }
        radii.push_back(r);
    }
    t.tooDense = true;
}

} // namespace

NewtonTheory newtonTheory(const NewtonInputs &in) {
    NewtonTheory t;
    if (checkNewtonInputs(in) != NewtonProblem::None) return t;
    rings(t.dark, 0.0, in, t);
    rings(t.bright, 0.5, in, t);
    return t;
}

double newtonPixels(double radius, const NewtonInputs &in) {
    return radius / static_cast<double>(in.h);
}
