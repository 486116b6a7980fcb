#include "polarisation/anisotropic/AnisotropicWave.h"

#include <cmath>
#include <numbers>

namespace {
constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kTwoPiC = 1884955592.1538758L; // 2 pi x 3e8 m/s

bool finite(const FieldPoint &p) {
    return std::isfinite(p.Ex) && std::isfinite(p.Ey) && std::isfinite(p.r);
}

FieldPoint point(long double ex, long double ey) {
    FieldPoint p;
    p.Ex = static_cast<double>(ex);
    p.Ey = static_cast<double>(ey);
    p.r = static_cast<double>(std::sqrt(ex * ex + ey * ey));
    return p;
}
} // namespace

WaveParams waveParamsFromInputs(double lambdaNm, double fDegrees, double Kx, double Ky, double dNm,
                                double dtUnits) {
    WaveParams p;
    p.lambda0 = static_cast<long double>(lambdaNm) * 1e-9L;
    p.f = static_cast<long double>(fDegrees) * kPi / 180;
    p.Kx = Kx;
    p.Ky = Ky;
    p.d = static_cast<long double>(dNm) * 1e-9L;
    p.dt = static_cast<long double>(dtUnits) * 1e-17L;
    return p;
}

std::optional<WaveFields> waveFieldsAt(const WaveParams &p, long double t) {
    if (p.lambda0 == 0) return std::nullopt;
    const long double A = kWaveAmplitude;
    const long double phi = kTwoPiC * t / p.lambda0;
    const long double k = 2 * kPi * p.d / p.lambda0;
    WaveFields w;
    w.in = point(A * std::cos(phi), A * std::cos(phi + p.f));
    w.out = point(A * std::cos(p.Kx * k + phi), A * std::cos(p.Ky * k + phi + p.f));
    if (!finite(w.in) || !finite(w.out)) return std::nullopt;
    return w;
}

std::optional<WaveAnimation::Step> WaveAnimation::step(const WaveParams &p) {
    const std::optional<WaveFields> w = waveFieldsAt(p, t);
    const long double next = t + p.dt;
    // A time that overflows would make every later step fail for good.
    if (!w || !std::isfinite(next)) return std::nullopt;
    Step s;
    s.in = TraceStep{lastIn, w->in, hasPrevIn};
    s.out = TraceStep{lastOut, w->out, hasPrevOut};
    lastIn = w->in;
    lastOut = w->out;
    hasPrevIn = hasPrevOut = true;
    t = next;
    return s;
}
