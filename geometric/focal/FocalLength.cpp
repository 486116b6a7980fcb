#include "geometric/focal/FocalLength.h"

#include <cmath>

namespace focal {

float lensThickness(int F) {
    if (F == 0) return 0;
    float s = 2000.0f / float(F);
    if (s < -100)
        s = -100;
    else if (s > 100)
        s = 100;
    else if (s > 0 && s < 20)
        s = 20;
    else if (s < 0 && s > -20)
        s = -20;
    return s;
}

int divergingGap(float s) {
    return int(std::trunc(-s * 5.0f / 18.0f));
}

int dragFocal(int F) {
    if (F > 0 && F < 30) return 30;
    if (F < 0 && F > -10) return -10;
    return F;
}

int advanceFront(int P, int imageWidth) {
    P += 3;
    if (P > imageWidth / 2) ++P;
    return P;
}

int settleFront(int P, int imageWidth) {
    return P > imageWidth ? imageWidth : P;
}

int wheelTilt(int T, int delta) {
    // Computed wide so that no sum of deltas overflows.
    const long long sum = (long long)T + delta / 100;
    return int(sum % 360);
}

} // namespace focal
