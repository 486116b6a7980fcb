#include "geometric/lens/LensTheory.h"

#include <cmath>
#include <numbers>

namespace {

// 1 / (D/100 - 1/x), or nothing when x lies in the focal plane (to 1e-9).
bool imageAt(double D, double x, double &v) {
    const double power = D / 100 - 1 / x;
    if (std::abs(power) < 1e-9 * std::abs(D / 100)) return false;
    v = 1 / power;
    return true;
}

} // namespace

LensTheory lensTheory(double D, double d, double h, double tiltDegrees) {
    LensTheory t;
    if (!(D != 0) || !(d != 0) || !(h != 0) || !std::isfinite(D + d + h + tiltDegrees)) return t;
    t.valid = true;
    t.focal = 100 / D;
    t.atFocus = !imageAt(D, d, t.image);
    if (!t.atFocus) t.magnification = -t.image / d;
    const double a = tiltDegrees * std::numbers::pi / 180;
    const double Q = d + h * std::cos(a), R = h * std::sin(a);
    t.tipAtFocus = Q == 0 || !imageAt(D, Q, t.tipImage);
    // R is below the axis; the image height is up: y = R v / Q.
    if (!t.tipAtFocus) t.tipHeight = R * t.tipImage / Q;
    return t;
}
