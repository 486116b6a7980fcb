#include "waves/newton/NewtonRings.h"

#include "core/RunControl.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double kFourPi = 12.566370614359172L;
constexpr long double kTwoPi = 6.283185307179586476925L;
constexpr std::size_t kBlock = 4096;

bool finite(long double v) {
    return std::isfinite(v);
}

// A sample's phase in extended precision, and its intensity from a double
// cos and sin of the phase reduced to one turn. `bound` limits how far that
// intensity can lie from the extended one: reduction and double rounding
// stay below 1e-14 + 1e-18 |delta|; the bound keeps a wide margin on both.
struct Sample {
    long double delta = 0;
    double fast = 0;
    double bound = 0;
};

Sample sample(long double Rc, long double r, long double k) {
    Sample out;
    out.delta = (Rc - std::sqrt(Rc * Rc - r * r)) * k;
    // Any whole number of turns near the phase will do; beyond 2^62 the
    // bound is far above any difference and the extended value decides.
    const long double t = out.delta * (1 / kTwoPi);
    const long double turns =
        std::fabs(t) < 0x1p62L ? static_cast<long double>(static_cast<long long>(t)) : 0.0L;
    const auto rho = static_cast<double>(out.delta - turns * kTwoPi);
    const double c = std::cos(rho) + 1, s = std::sin(rho) + 1;
    out.fast = c * c + s * s;
    out.bound = 1e-12 + 1e-16 * static_cast<double>(std::fabs(out.delta));
    if (!std::isfinite(out.bound) || !std::isfinite(out.fast)) out.bound = HUGE_VAL;
    return out;
}

// The extended-precision intensity of a phase, as the algorithm writes it.
long double exact(long double delta) {
    const long double c = std::cos(delta) + 1, s = std::sin(delta) + 1;
    return c * c + s * s;
}

// The radii accumulate step by step; a sample past the end of the picture
// lands on its last ring. Rounding adds a sample or two, never the slack.
std::vector<long double> radiiOf(const NewtonInputs &in, std::size_t n) {
    std::vector<long double> radii;
    radii.reserve(n + 16);
    for (long double r = 0; r <= in.a && radii.size() < n + 16; r += in.h)
        radii.push_back(r);
    return radii;
}

// The largest intensity exactly: only samples whose fast value comes
// within the error bounds of the fast maximum can hold it.
long double largestOf(const std::vector<Sample> &samples) {
    double top = 0, widest = 0;
    for (const Sample &s : samples) {
        top = std::max(top, s.fast);
        widest = std::max(widest, s.bound);
    }
    long double largest = 0;
    for (const Sample &s : samples)
        if (s.fast + s.bound >= top - widest) largest = std::max(largest, exact(s.delta));
    return largest;
}

// trunc(I * 255 / largest) of the extended I: from the fast value when the
// bound keeps it off an integer, else from the extended value.
int levelOf(const Sample &s, long double largest) {
    const long double x = static_cast<long double>(s.fast) * 255 / largest;
    const long double margin = static_cast<long double>(s.bound) * 255 / largest + 1e-12L;
    const long double low = x - margin, high = x + margin;
    if (low >= 0 && high < 256 && std::floor(low) == std::floor(high)) return static_cast<int>(low);
    return static_cast<int>(exact(s.delta) * 255 / largest);
}

} // namespace

long double newtonIntensity(long double Rc, long double r, long double k) {
    return exact((Rc - std::sqrt(Rc * Rc - r * r)) * k);
}

long long newtonRingCount(long double a, long double h) {
    const long double q = a / h;
    if (!(q == q)) return 0;
    if (q >= 9e18L) return static_cast<long long>(9e18L);
    if (q <= -9e18L) return static_cast<long long>(-9e18L);
    return static_cast<long long>(q);
}

NewtonProblem checkNewtonInputs(const NewtonInputs &in, int maxRings) {
    if (!(in.h > 0) || !finite(in.h)) return NewtonProblem::StepNotPositive;
    if (!finite(in.a) || !(in.a >= in.h)) return NewtonProblem::NoRings;
    if (!finite(in.Rc) || !(in.Rc >= in.a)) return NewtonProblem::CurvatureTooSmall;
    if (!(in.wavelength > 0) || !finite(in.wavelength)) return NewtonProblem::WavelengthNotPositive;
    // The gap needs Rc^2 and the phase stays below Rc * 4 pi / lambda.
    const long double k = kFourPi / (in.wavelength * 1e-9L);
    if (!finite(in.Rc * in.Rc) || !finite(k) || !finite(2 * in.Rc * k))
        return NewtonProblem::OutOfRange;
    const long long n = newtonRingCount(in.a, in.h);
    if (n < 1) return NewtonProblem::NoRings;
    if (n > maxRings) return NewtonProblem::TooLarge;
    return NewtonProblem::None;
}

std::vector<int> computeNewtonRings(const NewtonInputs &in, RunControl *control) {
    if (checkNewtonInputs(in, INT32_MAX / 2) != NewtonProblem::None) return {};
    const auto n = static_cast<std::size_t>(newtonRingCount(in.a, in.h));
    const long double k = kFourPi / (in.wavelength * 1e-9L);
    const std::vector<long double> radii = radiiOf(in, n);
    std::vector<Sample> samples(radii.size());
    for (std::size_t b = 0; b < radii.size(); b += kBlock) {
        if (control && control->cancelled()) return {};
        const std::size_t end = std::min(radii.size(), b + kBlock);
        for (std::size_t i = b; i < end; ++i)
            samples[i] = sample(in.Rc, radii[i], k);
        if (control)
            control->progress(static_cast<std::int64_t>(end),
                              static_cast<std::int64_t>(radii.size()));
    }
    const long double largest = largestOf(samples);
    // Each ring shows the last sample that landed on it; a ring no sample
    // reached stays dark.
    const std::size_t count = samples.size();
    std::vector<int> levels(n, 0);
    if (!(largest > 0)) return levels;
    for (std::size_t j = 0; j < n; ++j) {
        const bool last = j + 1 == n;
        if (last ? count < n : j >= count) continue;
        levels[j] = levelOf(samples[last ? count - 1 : j], largest);
    }
    return levels;
}
