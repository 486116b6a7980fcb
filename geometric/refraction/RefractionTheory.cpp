#include "geometric/refraction/RefractionTheory.h"

#include <cmath>

RefractionTheory refractionTheory(double n1, double n2, double alpha) {
    RefractionTheory t;
    if (!(n1 > 0) || !(n2 > 0) || !std::isfinite(n1 + n2 + alpha)) return t;
    t.valid = true;
    t.alpha = alpha;
    t.hasCritical = n1 > n2;
    if (t.hasCritical) t.critical = std::asin(n2 / n1);
    t.brewster = std::atan(n2 / n1);
    const double s = n1 * std::sin(alpha) / n2;
    if (std::abs(s) > 1) {
        t.totalReflection = true;
        t.Rs = t.Rp = 1;
        return t;
    }
    t.beta = std::asin(s);
    if (alpha == 0) {
        // Normal incidence: both reduce to ((n1 - n2) / (n1 + n2))^2.
        t.Rs = t.Rp = std::pow((n1 - n2) / (n1 + n2), 2);
        return t;
    }
    const double a = alpha, b = t.beta;
    t.Rs = std::pow(std::sin(a - b) / std::sin(a + b), 2);
    t.Rp = std::cos(a + b) == 0 ? 0 : std::pow(std::tan(a - b) / std::tan(a + b), 2);
    return t;
}

double lampIncidence(int W, int H, int lampLeft, int lampWidth, int lampHeight) {
    const int dx = W / 2 - lampLeft - lampWidth / 2, dy = H / 2 - lampHeight;
    return std::atan2(double(dx), double(dy));
}
