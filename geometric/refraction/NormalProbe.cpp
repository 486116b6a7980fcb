#include "geometric/refraction/NormalProbe.h"

#include <cmath>
#include <numbers>

double angleFromNormal(double x, double y, double ox, double oy, double nx, double ny) {
    const double dx = x - ox, dy = y - oy;
    const double along = std::abs(dx * nx + dy * ny), across = std::abs(dx * ny - dy * nx);
    if (along == 0 && across == 0) return 0;
    return std::atan2(across, along) * 180 / std::numbers::pi;
}
