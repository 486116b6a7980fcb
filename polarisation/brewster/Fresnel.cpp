#include "polarisation/brewster/Fresnel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brewster {

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;

// A reflection coefficient never exceeds 1 in size; rounding next to a
// vanishing denominator (an angle typed past 90) must not make it huge.
double bounded(double r) {
    if (std::isnan(r)) return 0;
    return std::clamp(r, -1.0, 1.0);
}

// The part of a wave that is not reflected.
double transmitted(double r) {
    return std::sqrt(std::max(0.0, 1 - r * r));
}

// sin of a phase; a phase beyond any double (a huge index) shows no wave.
double finiteSin(double phase) {
    return std::isfinite(phase) ? std::sin(phase) : 0;
}

// The refraction angle of one component, if it has one.
bool refract(double sinAlpha, double n, double &beta) {
    const double s = sinAlpha / n;
    if (!(std::abs(s) <= 1)) return false;
    beta = std::asin(s);
    return true;
}
} // namespace

Amplitudes amplitudesFromRatio(double q) {
    if (q == 0 || std::isnan(q)) return {};
    if (q > 1) return {1 / q, 1};
    if (q < -1) return {-1 / q, -1};
    return {1, q};
}

double usableIndex(double n) {
    if (n == 0 || !std::isfinite(n)) return 1;
    return std::abs(n);
}

Coefficients fresnel(double alphaDegrees, double nPar, double nPerp) {
    nPar = usableIndex(nPar);
    nPerp = usableIndex(nPerp);
    Coefficients c;
    if (alphaDegrees == 0) {
        c.rPar = (nPar - 1) / (nPar + 1);
        c.rPerp = (nPerp - 1) / (nPerp + 1);
        c.tPerp = 2 * std::sqrt(nPerp) / (nPerp + 1);
        c.tPar = 2 * std::sqrt(nPar) / (nPar + 1);
        return c;
    }
    const double a = alphaDegrees * kDegree;
    const double s = std::sin(a);
    c.parRefracts = refract(s, nPar, c.betaPar);
    c.perpRefracts = refract(s, nPerp, c.betaPerp);
    c.rPar = c.parRefracts ? bounded(std::tan(a - c.betaPar) / std::tan(a + c.betaPar)) : 1;
    c.rPerp = c.perpRefracts ? bounded(std::sin(a - c.betaPerp) / std::sin(a + c.betaPerp)) : 1;
    c.tPerp = transmitted(c.rPerp);
    c.tPar = transmitted(c.rPar);
    return c;
}

namespace {
// The shares of the incident light in the X and Y components; light with
// no wave drawn counts as natural light, half in each.
struct Shares {
    double x = 0.5, y = 0.5;
};
Shares sharesOf(const Amplitudes &A) {
    const double x = A.x * A.x, y = A.y * A.y;
    if (!(x + y > 0)) return {};
    return {x / (x + y), y / (x + y)};
}

void addRefracted(Frame &f, double alpha, double nPar, double nPerp) {
    const Coefficients &c = f.c;
    const Amplitudes &A = f.amplitudes;
    const Shares s = sharesOf(A);
    const double bPar = c.betaPar / kDegree, bPerp = c.betaPerp / kDegree;
    const double vPar = kDisplaySpeed / nPar, vPerp = kDisplaySpeed / nPerp;
    const double tx = c.tPerp, ty = c.tPar;
    if (nPar != nPerp && alpha != 0) {
        // Each component goes its own way.
        if (c.parRefracts) {
            f.waves.push_back({90 - bPar, true, vPar, 0, tx * A.x, 0});
            f.rays.push_back({90 - bPar, false, s.x * tx * tx});
        }
        if (c.perpRefracts) {
            f.waves.push_back({90 - bPerp, true, 0, vPerp, 0, ty * A.y});
            f.rays.push_back({90 - bPerp, false, s.y * ty * ty});
        }
        return;
    }
    if (!c.parRefracts && !c.perpRefracts) return;
    const double turn = 90 - (c.parRefracts ? bPar : bPerp);
    f.waves.push_back(
        {turn, true, c.parRefracts ? vPar : 0, c.perpRefracts ? vPerp : 0, tx * A.x, ty * A.y});
    f.rays.push_back(
        {turn, false, (c.parRefracts ? s.x * tx * tx : 0) + (c.perpRefracts ? s.y * ty * ty : 0)});
}
} // namespace

Frame describeFrame(const Inputs &in) {
    Frame f;
    const int alpha = in.alphaDegrees;
    f.drawn = !(alpha != 0 && alpha % 90 == 0) && in.wavelength != 0;
    f.e = in.wavelength != 0 ? kDisplaySpeed / (in.wavelength * 1e-9) : 0;
    f.phi = in.phaseDegrees * kDegree;
    f.amplitudes = amplitudesFromRatio(in.ratio);
    f.colour = wavelengthToRgb(in.wavelength);
    const double nPar = usableIndex(in.nPar), nPerp = usableIndex(in.nPerp);
    f.c = fresnel(alpha, nPar, nPerp);
    const Amplitudes &A = f.amplitudes;
    const double v = kDisplaySpeed;
    f.waves.push_back({90.0 - alpha, false, v, v, A.x, A.y});
    f.rays.push_back({90.0 - alpha, true, 1});
    f.waves.push_back({alpha + 270.0, true, v, v, f.c.rPerp * A.x, f.c.rPar * A.y});
    const Shares s = sharesOf(A);
    f.rays.push_back(
        {alpha + 270.0, false, s.x * f.c.rPerp * f.c.rPerp + s.y * f.c.rPar * f.c.rPar});
    addRefracted(f, alpha, nPar, nPerp);
    return f;
}

std::vector<WavePoint> sampleWave(const Wave &w, double e, double phi, double t) {
    std::vector<WavePoint> out;
    out.reserve(202);
    // 200 steps over 5e-6 s of travel, 600000 scene units per second.
    constexpr double kSpan = 5e-6, kStep = kSpan / 200, kScale = 600000;
    for (double m = 0; m <= kSpan; m += kStep) {
        WavePoint p;
        p.x = -m * kScale;
        if (w.vx != 0) p.l = 0.2 * w.ax * finiteSin(2 * kPi * e * (m / w.vx + t));
        if (w.vy != 0) p.h = 0.2 * w.ay * finiteSin(2 * kPi * e * (m / w.vy + t) + phi);
        out.push_back(p);
    }
    return out;
}

RayColour rayColour(Rgb c, double brightness) {
    return {float(c.red / 255.0 * brightness), float(c.green / 255.0 * brightness),
            float(c.blue / 255.0 * brightness)};
}

int wheelAlpha(int alphaDegrees, bool up) {
    if (up) return alphaDegrees > 0 ? alphaDegrees - 1 : alphaDegrees;
    return alphaDegrees < 89 ? alphaDegrees + 1 : alphaDegrees;
}

} // namespace brewster
