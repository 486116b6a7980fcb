#include "waves/newton/NewtonRings.h"

#include "core/RunControl.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace {

constexpr long double kFourPi = 12.566370614359172L;
// Below this many samples a second thread costs more than it saves.
constexpr std::size_t kParallelFrom = 20000;
constexpr std::size_t kBlock = 4096;

bool finite(long double v) {
    return std::isfinite(v);
}

// Evaluates samples [from, to), polling the cancel flag between blocks.
void evaluate(std::vector<long double> &values, std::size_t from, std::size_t to, long double Rc,
              long double k, const RunControl *control) {
    for (std::size_t b = from; b < to; b += kBlock) {
        if (control && control->cancelled()) return;
        const std::size_t end = std::min(to, b + kBlock);
        for (std::size_t i = b; i < end; ++i)
            values[i] = newtonIntensity(Rc, values[i], k);
    }
}

} // namespace

long double newtonIntensity(long double Rc, long double r, long double k) {
    const long double t = Rc - std::sqrt(Rc * Rc - r * r);
    const long double delta = t * k;
    const long double c = std::cos(delta) + 1, s = std::sin(delta) + 1;
    return c * c + s * s;
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
    const long long n = newtonRingCount(in.a, in.h);
    if (n < 1) return NewtonProblem::NoRings;
    if (n > maxRings) return NewtonProblem::TooLarge;
    return NewtonProblem::None;
}

std::vector<int> computeNewtonRings(const NewtonInputs &in, RunControl *control) {
    if (checkNewtonInputs(in, INT32_MAX / 2) != NewtonProblem::None) return {};
    const auto n = static_cast<std::size_t>(newtonRingCount(in.a, in.h));
    const long double k = kFourPi / (in.wavelength * 1e-9L);
    // The radii accumulate step by step; a sample past the end of the picture
    // lands on its last ring. Rounding can add a sample or two, never more
    // than the slack below.
    std::vector<long double> radii;
    std::vector<std::size_t> slot;
    radii.reserve(n + 16);
    slot.reserve(n + 16);
    long double r = 0;
    for (std::size_t i = 0; r <= in.a && radii.size() < n + 16; ++i) {
        radii.push_back(r);
        slot.push_back(std::min(i, n - 1));
        r += in.h;
    }
    if (control) control->percent(10);
    const std::size_t count = radii.size();
    if (count >= kParallelFrom) {
        const std::size_t half = count / 2;
        std::thread other([&] { evaluate(radii, half, count, in.Rc, k, control); });
        evaluate(radii, 0, half, in.Rc, k, control);
        other.join();
    } else {
        evaluate(radii, 0, count, in.Rc, k, control);
    }
    if (control && control->cancelled()) return {};
    if (control) control->percent(90);
    // Later samples overwrite earlier ones in the same slot, all count for the maximum.
    std::vector<long double> intensity(n, 0.0L);
    long double largest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        intensity[slot[i]] = radii[i];
        largest = std::max(largest, radii[i]);
    }
    std::vector<int> levels(n, 0);
    if (largest > 0)
        for (std::size_t j = 0; j < n; ++j)
            levels[j] = std::clamp(static_cast<int>(intensity[j] * 255 / largest), 0, 255);
    if (control) control->percent(100);
    return levels;
}
