#include "polarisation/malus/MalusProbe.h"

#include <cmath>
#include <numbers>

namespace malus {

double transmittedShare(double thetaDegrees) {
    return intensityBehind(thetaDegrees) / kIntensityBetween;
}

std::vector<CurveRow> malusCurve() {
    std::vector<CurveRow> rows;
    for (int theta = 0; theta <= 360; ++theta)
        rows.push_back({theta, transmittedShare(theta), intensityBehind(theta)});
    return rows;
}

} // namespace malus
