#include "polarisation/malus/MalusModel.h"

#include <climits>
#include <cmath>
#include <numbers>

namespace malus {

namespace {
double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}
} // namespace

PolariserAngles polariserAngles(double thetaDegrees, bool oneFixed) {
    const double t = radians(thetaDegrees);
    if (oneFixed) return {0.0, t};
    return {-t / 2, t / 2};
}

double intensityBehind(double thetaDegrees) {
    const double c = std::cos(radians(thetaDegrees));
    return 0.5 * c * c;
}

std::vector<BeamLayer> beamLayers(double s) {
    std::vector<BeamLayer> layers;
    const float r = float(0.9 * s), b = float(0.3 * s);
    // Accumulated in single precision: 0, 0.1, ... 0.9 (the eleventh sum
    // lands just above 1).
    for (float f = 0; f <= 1; f += 0.1f)
        layers.push_back({f, r, r, b, 0.3f / (f + 1)});
    return layers;
}

std::vector<WaveSegment> waveSegments(double x0, double x1, double ay, double az, double t) {
    std::vector<WaveSegment> out;
    if (!(x1 >= x0) || !std::isfinite(x0) || !std::isfinite(x1)) return out;
    constexpr double kStep = 0.02;
    const double twoPiOver3 = 2 * std::numbers::pi / 3;
    WavePoint prev;
    bool havePrev = false;
    // Counted steps so that a long wave never accumulates an endless loop.
    const long n = long(std::floor((x1 - x0) / kStep + 1e-9));
    double x = x0;
    for (long i = 0; i <= n; ++i, x += kStep) {
        const double u = std::sin((x / 0.1 - t) * twoPiOver3);
        const WavePoint p{x, 0.2 * ay * u, 0.2 * az * u};
        if (havePrev && prev.x != 0.0) out.push_back({prev, p, {x, 0, 0}});
        prev = p;
        havePrev = true;
    }
    return out;
}

void waveAmplitude(double s, double p, double &ay, double &az) {
    const double a = std::sqrt(std::max(0.0, s));
    ay = a * std::cos(p + std::numbers::pi / 4);
    az = a * std::sin(p + std::numbers::pi / 4);
}

int nextAutoTheta(int theta, int minValue, int maxValue) {
    const int next = theta >= INT_MAX ? theta : theta + 1;
    return next == maxValue ? minValue : next;
}

int wheelTheta(int theta, bool up) {
    if (up) return theta >= INT_MAX ? theta : theta + 1;
    return theta > 0 ? theta - 1 : theta;
}

} // namespace malus
