#include "geometric/prism/PrismTheory.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kApex = std::numbers::pi / 3;

PrismRay through(double i1, double n) {
    PrismRay r{n};
    const double s1 = std::sin(i1) / n;
    if (std::abs(s1) > 1) return r;
    const double i2 = kApex - std::asin(s1);
    const double s2 = n * std::sin(i2);
    if (std::abs(s2) > 1) return r;
    const double gamma = std::asin(s2);
    r.leaves = true;
    r.deviation = i1 + gamma - kApex;
    r.direction = kApex / 2 - gamma;
    return r;
}

} // namespace

PrismTheory prismTheory(double incidence, double n, double D) {
    PrismTheory t;
    if (!(n >= 1) || !std::isfinite(n + D + incidence)) return t;
    t.valid = true;
    t.incidence = incidence;
    // The fan's ends: offsets -190 and -190 + 6 x 62 in units of D x 1e-5.
    const double unit = n == 1 ? 0 : D * 1e-5;
    t.red = through(incidence, n - 190 * unit);
    t.violet = through(incidence, n + 182 * unit);
    const double s = n * std::sin(kApex / 2);
    t.hasMinimum = s <= 1;
    if (t.hasMinimum) {
        t.minimumIncidence = std::asin(s);
        t.minimumDeviation = 2 * t.minimumIncidence - kApex;
    }
    return t;
}
