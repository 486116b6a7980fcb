#include "geometric/huygens/HuygensTheory.h"

#include <cmath>
#include <numbers>

HuygensRefraction huygensRefraction(int thetaDegrees, double n) {
    HuygensRefraction r{n};
    const double s = std::sin(thetaDegrees * std::numbers::pi / 180) / n;
    r.exists = n > 0 && std::abs(s) <= 1;
    if (r.exists) r.beta = std::asin(s);
    return r;
}
