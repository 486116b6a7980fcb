#pragma once
// Cuts a segment to the square [-half, half]^2 (Liang-Barsky), so that lines
// between far-away points keep their true direction in the picture instead
// of a saturated one. P is any point with double x and y.
#include <algorithm>

template <class P> bool clipToBox(P &a, P &b, double half) {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x + half, half - a.x, a.y + half, half - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
    const P from = a;
    a.x = from.x + t0 * dx;
    a.y = from.y + t0 * dy;
    b.x = from.x + t1 * dx;
    b.y = from.y + t1 * dy;
    return true;
}
