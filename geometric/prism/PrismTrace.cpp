#include "geometric/prism/PrismTrace.h"

#include "core/Pixels.h"

#include <cmath>
#include <numbers>

namespace prism {

namespace {

using real = long double;
constexpr real kPi = std::numbers::pi_v<long double>;

int pixel(real v) {
    return toPixel(double(v));
}

// One ray from the entry point: inside the prism to the second face, then out.
Ray traceRay(const Frame &f, real i1, real n, Rgb colour) {
    Ray r;
    r.colour = colour;
    r.n = n;
    const real s1 = std::sin(i1) / n;
    // An index below 1 (the red end of a strong fan) can turn the ray back
    // at the first face; a non-finite one has no meaning.
    if (!std::isfinite(n) || n <= 0 || !(std::fabs(s1) <= 1)) return r;
    r.entered = true;
    const real psi = std::asin(s1);
    const real phi = psi - kPi / 6, i2 = kPi / 3 - psi;
    const real k = std::sin(psi) + std::cos(psi) / std::tan(psi + kPi / 6);
    const real X2 = real(f.cx - f.a) + f.c * k * std::cos(phi);
    const real Y2 = real(f.cy) - f.e * k * std::sin(phi);
    r.exit = {pixel(X2), pixel(Y2)};
    const real s2 = n * std::sin(i2);
    if (!(std::fabs(s2) <= 1)) {
        r.totallyReflected = true;
        return r;
    }
    const real chi = kPi / 6 - std::asin(s2);
    r.end = {pixel(X2 + f.b * std::cos(chi)), pixel(Y2 - f.d * std::sin(chi))};
    return r;
}

} // namespace

Frame frameFor(int Wp, int Hp, int Wi, int Hi) {
    Frame f;
    f.cx = Wp / 2;
    f.cy = Hp / 2;
    f.a = Wi * 58 / 535;
    f.b = Wi * 300 / 535;
    f.d = Hi * 300 / 327;
    f.c = Wi * 115 / 535;
    f.e = Hi * 115 / 327;
    f.apexX = f.cx;
    f.apexY = f.cy - Hi * 100 / 327;
    f.rightX = f.cx + Wi * 100 / 535;
    f.leftX = f.cx - Wi * 100 / 535;
    f.baseY = f.cy + Hi * 73 / 327;
    return f;
}

Trace trace(const Frame &f, int Sx, int Sy, double nTyped, double DTyped) {
    Trace t;
    real n = nTyped;
    if (!(n >= 1)) return t;
    t.prismShown = true;
    t.source = {Sx, Sy};
    t.entry = {f.cx - f.a, f.cy};
    const int run = (f.cx - kAimOffset) - Sx;
    if (run <= 0) return t; // the beam would point backwards: no direction
    t.beamShown = true;
    t.theta = std::atan(real(Sy - f.cy) / real(run));
    const real i1 = t.theta + kPi / 6;
    const real D = real(DTyped) * 0.00001L;
    real step = 0;
    if (n != 1) {
        step = spectralfan::kStep * D;
        n -= spectralfan::kRedOffset * D;
    }
    const bool white = step == 0;
    spectralfan::Walk walk;
    do {
        const Rgb colour = white ? Rgb{255, 255, 255} : walk.colour();
        Ray &r = t.rays[std::size_t(t.count++)] = traceRay(f, i1, n, colour);
        t.anyTotallyReflected = t.anyTotallyReflected || r.totallyReflected;
        n += step;
    } while (walk.next() && t.count < spectralfan::kRays);
    return t;
}

} // namespace prism
