#include "geometric/refraction/Snell.h"

#include <cfloat>
#include <cmath>

namespace snell {

float single(double v) {
    if (std::isnan(v)) return 0;
    if (v > double(FLT_MAX)) return FLT_MAX;
    if (v < -double(FLT_MAX)) return -FLT_MAX;
    return float(v);
}

Intensities fresnel(float alpha, float beta) {
    if (alpha == 0) return {0, 1};
    const float sum = alpha + beta, diff = alpha - beta;
    const float tp = std::tan(sum), tm = std::tan(diff);
    const float sp2 = std::sin(sum) * std::sin(sum), cm2 = std::cos(diff) * std::cos(diff);
    const float sm = std::sin(diff);
    const float both = std::sin(2 * alpha) * std::sin(2 * beta);
    const float Rp = tm * tm / (tp * tp), Rs = sm * sm / sp2;
    const float Tp = both / (sp2 * cm2), Ts = both / sp2;
    float R = Rp + Rs, T = Tp + Ts;
    const float total = R + T;
    R /= total;
    T /= total;
    // A grazing ray in single precision can lose everything to rounding.
    if (!std::isfinite(R) || !std::isfinite(T)) return {1, 0};
    return {R, T};
}

namespace {

// Channels of the light scaled by an intensity, each kept to 8 bits.
Rgb scaled(float k, Rgb c, bool spectral) {
    const auto ch = [k](int v) { return int(std::trunc(k * float(v))) & 0xFF; };
    if (!spectral) {
        const int g = ch(255);
        return {g, g, g};
    }
    return {ch(c.red), ch(c.green), ch(c.blue)};
}

bool usable(float n) {
    return std::isfinite(n) && n > 0;
}

Pass onePass(float alpha, float n1, float n2, Rgb light, bool spectral) {
    Pass p;
    p.n1 = n1;
    p.n2 = n2;
    if (!usable(n1) || !usable(n2)) return p; // this ray of the fan has no index
    const float s = std::sin(alpha) * n1 / n2;
    if (!(std::fabs(s) <= 1)) {
        p.totallyReflected = true;
        p.I = {1, 0};
    } else {
        p.beta = std::asin(s);
        p.I = fresnel(alpha, p.beta);
        p.refracted = scaled(p.I.T, light, spectral);
        p.drawRefracted = true;
    }
    p.reflected = scaled(p.I.R, light, spectral);
    p.drawReflected = p.I.R != 0;
    return p;
}

} // namespace

Trace trace(int dx, int dy, double n1in, double n2in, double D1in, double D2in) {
    Trace t;
    float n1 = single(n1in), n2 = single(n2in);
    if (dy <= 0 || !usable(n1) || !usable(n2)) return t;
    t.raysShown = true;
    t.alpha = std::atan(float(dx) / float(dy));
    float D1 = single(D1in), D2 = single(D2in), step1 = 0, step2 = 0;
    const bool d1 = D1 != 0, d2 = D2 != 0;
    t.dispersing = d1 || d2;
    if (d1) {
        D1 *= 0.00001f;
        n1 -= spectralfan::kRedOffset * D1;
        step1 = spectralfan::kStep * D1;
    }
    if (d2) {
        D2 *= 0.00001f;
        n2 -= spectralfan::kRedOffset * D2;
        step2 = spectralfan::kStep * D2;
    }
    spectralfan::Walk walk;
    do {
        t.passes[std::size_t(t.count++)] = onePass(t.alpha, n1, n2, walk.colour(), t.dispersing);
        if (!t.dispersing) break;
        n1 += step1;
        n2 += step2;
    } while (walk.next() && t.count < spectralfan::kRays);
    return t;
}

} // namespace snell
