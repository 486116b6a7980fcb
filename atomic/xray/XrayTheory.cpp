#include "atomic/xray/XrayTheory.h"

#include "atomic/xray/Break_x.h"

namespace Break_x {

XrayTheory xrayTheory(int voltage, int element) {
    XrayTheory t;
    if (voltage > 0) t.lambdaMin = static_cast<double>(hc) / voltage;
    const TElements *e = ElementAt(element);
    if (!e || element > kNamedElements) return t;
    t.hasLine = true;
    t.Z = e->Z;
    t.kAlphaEnergy = 0.75 * kRydberg * (t.Z - 1) * (t.Z - 1);
    t.kAlpha = static_cast<double>(hc) / t.kAlphaEnergy;
    t.lineReachable = t.lambdaMin > 0 && t.lambdaMin < t.kAlpha;
    return t;
}

double xrayPixelX(double angstrom, int width) {
    // The plot's own mapping: kx = (W - 25) / 7 pixels per ångström from x = 10.
    return angstrom * (width - 25) / static_cast<double>(kMaxLambda) + 10;
}

} // namespace Break_x
