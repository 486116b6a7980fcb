#include "geometric/huygens/HuygensBeam.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace huygens {

Setup makeSetup(const Inputs &in) {
    Setup st;
    st.W = in.W;
    st.H = in.H;
    st.yTop = in.H / 2 - 100;
    st.yBot = in.H / 2 + 100;
    st.t = std::clamp(in.t, 0, kMaxTime);
    st.s = std::clamp(in.spacing, 1, kMaxSpin);
    st.wInt = std::clamp(in.width, 1, kMaxSpin);
    st.w = float(st.wInt);
    st.theta = float(std::clamp(in.thetaDegrees, 0, 89)) * std::numbers::pi_v<float> / 180.0f;
    st.sinT = std::sin(st.theta);
    st.cosT = std::cos(st.theta);
    st.tanT = std::tan(st.theta);
    st.pMax = (st.w * st.sinT + float(st.yTop)) / st.cosT;
    st.xLast = st.w * st.cosT + st.pMax * st.sinT;
    st.T = float(st.t) > st.pMax ? float(st.t) : 0.0f;
    st.lastIndex = st.wInt / st.s;
    return st;
}

float indexOrOne(float n) {
    return n == 0 ? 1.0f : n;
}

Beam makeBeam(const Setup &st, float n) {
    Beam b;
    b.n = n;
    const float q = st.sinT / n;
    b.exists = n > 0 && q <= 1; // false for NaN too
    if (!b.exists) return b;
    b.beta = std::asin(q);
    b.sinB = std::sin(b.beta);
    b.cosB = std::cos(b.beta);
    b.tanB = std::tan(b.beta);
    b.D = 200.0f / b.cosB;
    return b;
}

Ray incident(const Setup &st, int k) {
    Ray r;
    r.k = float(k);
    r.hx = r.k * st.cosT;
    r.hy = -r.k * st.sinT;
    r.p = float(st.t) > st.pMax ? st.pMax : float(st.t);
    r.x = r.hx + r.p * st.sinT;
    r.y = r.hy + r.p * st.cosT;
    if (r.y > float(st.yTop)) {
        const float a = (float(st.yTop) - r.hy) / st.cosT;
        r.e = r.p - a;
        r.p = a;
        r.x = r.hx + a * st.sinT;
        r.y = r.hy + a * st.cosT;
        r.arrived = true;
    }
    return r;
}

Refracted refract(const Setup &st, const Beam &b, const Ray &r) {
    Refracted f;
    f.rho = r.e / b.n;
    if (!(st.T > r.p)) return f;
    f.crossing = true;
    float d = (st.T - r.p) / b.n, dRaw = 0;
    if (d > b.D) {
        dRaw = d;
        d = b.D;
    }
    f.X2 = r.x + d * b.sinB;
    f.Y2 = float(st.yTop) + d * b.cosB;
    if (dRaw == 0) return f;
    f.left = true;
    const float L = st.tanT * float(st.wInt - int(r.k));
    const float g = (dRaw - b.D) * b.n;
    if (dRaw - b.D > L) {
        f.rLow = L;
        f.emergent = true;
        f.gx = f.X2 + g * st.sinT;
        f.gy = f.Y2 + g * st.cosT;
    } else {
        f.rLow = dRaw - b.D;
    }
    return f;
}

bool drawsFronts(const Setup &st, int k) {
    return (long long)k >= (long long)st.wInt - 2LL * st.s;
}

namespace {

// Slack for pens and for the rounding of far-away single-precision points.
constexpr double kMargin = 8;
constexpr double kNone = std::numeric_limits<double>::infinity();

// A wavelet: the lower half of a circle about (cx, cy) in drawn coordinates.
struct Ring {
    double cx = 0, cy = 0, r = 0;
};

// Lowest j in [lo, hi] where pred turns true (pred false then true), hi + 1 if never.
int firstTrue(int lo, int hi, const std::function<bool(int)> &pred) {
    int a = lo, b = hi + 1;
    while (a < b) {
        const int mid = a + (b - a) / 2;
        if (pred(mid))
            b = mid;
        else
            a = mid + 1;
    }
    return a;
}

// Rings whose centre lies right of the view: their left ends grow with j
// and their radii shrink, so the ones that cross the view are consecutive.
// `ring` gives nothing (r = 0) for rays without that wavelet.
void ringsRightOfView(int from, int to, int viewW, int viewH, const std::function<Ring(int)> &ring,
                      std::vector<std::pair<int, int>> &out) {
    if (from > to) return;
    auto leftEnd = [&](int j) {
        const Ring g = ring(j);
        return g.r > 0 ? g.cx - g.r : kNone;
    };
    // The view lies inside the circle, clear of its rim.
    auto encloses = [&](int j) {
        const Ring g = ring(j);
        if (g.r <= 0) return false;
        if (viewH < g.cy - 3) return true; // wholly above the lower half
        return g.r - 3 > std::hypot(g.cx, std::max(viewH - g.cy, 0.0));
    };
    const int hi = firstTrue(from, to, [&](int j) { return leftEnd(j) > viewW + kMargin; }) - 1;
    if (hi < from) return;
    const int lo = firstTrue(from, hi, [&](int j) { return !encloses(j); });
    if (lo <= hi) out.push_back({lo, hi});
}

} // namespace

std::vector<std::pair<int, int>> raysInView(const Setup &st, const std::vector<Beam> &beams,
                                            int viewW, int viewH) {
    std::vector<std::pair<int, int>> ranges;
    const int J = st.lastIndex;
    // Rays that cross the view or reach the plate inside it: their
    // offsets across the beam are small.
    const double kA = (viewW + kMargin) * st.cosT + kMargin + std::max(0, -st.yTop) * st.sinT;
    const int jA = int(std::min<double>(J, std::floor(kA / st.s)));
    ranges.push_back({0, jA});
    for (const Beam &b : beams) {
        if (!b.exists) continue;
        ringsRightOfView(
            jA + 1, J, viewW, viewH,
            [&](int j) {
                const Ray r = incident(st, j * st.s);
                return r.arrived ? Ring{r.x + 10.0, r.y, refract(st, b, r).rho} : Ring{};
            },
            ranges);
        if (st.T <= 0) continue;
        ringsRightOfView(
            jA + 1, J, viewW, viewH,
            [&](int j) {
                const Refracted f = refract(st, b, incident(st, j * st.s));
                return f.left ? Ring{f.X2 + 10.0, f.Y2, f.rLow} : Ring{};
            },
            ranges);
    }
    // The last rays draw the wavefronts.
    int jL = J;
    while (jL > 0 && drawsFronts(st, (jL - 1) * st.s))
        --jL;
    ranges.push_back({jL, J});
    std::sort(ranges.begin(), ranges.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto &r : ranges) {
        if (!merged.empty() && r.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, r.second);
        else
            merged.push_back(r);
    }
    return merged;
}

} // namespace huygens
