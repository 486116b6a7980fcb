#include "polarisation/anisotropic/WaveProbe.h"

#include <cmath>

FieldPoint vectorAt(int x, int y, int side) {
    const double Ex = x - side / 2, Ey = side / 2 - y;
    return {Ex, Ey, std::hypot(Ex, Ey)};
}

std::optional<long double> plotTimeAt(const WaveAnimation &a, const WaveParams &p, int x,
                                      int side) {
    if (!a.hasPrevIn || x < 0 || x >= side) return std::nullopt;
    const long double t = a.t - p.dt * (side - x);
    if (t < 0) return std::nullopt;
    return t;
}
