#include "waves/fresnel/Fresnel.h"

#include "core/ParallelRows.h"
#include "waves/fresnel/FresnelElements.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <mutex>
#include <vector>

namespace {

using LD = long double;
constexpr LD kPi = 3.141592653589793L;
constexpr LD kTwoPi = 6.283185307179586L;
// Elements per work item: about a millisecond, the bound on a cancellation's delay.
constexpr double kItemElements = 1 << 18;

bool finite(LD v) {
    return std::isfinite(v);
}

// long double to double, saturating: a finite value beyond double's range
// becomes infinite instead of undefined.
double toDouble(LD v) {
    constexpr LD top = std::numeric_limits<double>::max();
    if (v > top) return std::numeric_limits<double>::infinity();
    if (v < -top) return -std::numeric_limits<double>::infinity();
    return static_cast<double>(v);
}

// The polar angles from the inner to the outer edge, stepped as the sum
// always stepped them: alpha += d alpha while alpha <= alpha_out.
void polarRings(const FresnelInputs &in, LD rho, FresnelPlan &plan) {
    const LD alphaIn = std::atan(in.innerRadius / in.z1);
    const LD alphaOut = std::atan(in.outerRadius / in.z1);
    const LD step = (alphaOut - alphaIn) / in.radialSteps;
    // A ring of no width would never step past its edge: nothing passes it.
    if (!(step > 0) || !finite(step)) return;
    const LD z = in.z1 + in.z2;
    LD alpha = alphaIn;
    for (int i = 0; alpha <= alphaOut && i <= in.radialSteps + 1; ++i, alpha += step) {
        plan.ringH.push_back(z - rho * std::cos(alpha));
        plan.ringS.push_back(rho * std::sin(alpha));
        plan.h.push_back(toDouble(plan.ringH.back()));
        plan.s.push_back(toDouble(plan.ringS.back()));
    }
}

// The azimuths 0, d phi, ... up to 2 pi. The screen point lies in the plane
// of phi = 90 degrees, so phi and 180 - phi give the same element: each pair
// is summed once with weight 2 (the closing 2 pi repeats 0). Only sin(phi)
// enters the distance.
void azimuths(const FresnelInputs &in, FresnelPlan &plan) {
    const int n = in.azimuthSteps;
    const LD step = kPi / n;
    std::vector<LD> phi;
    for (LD p = 0; p <= kTwoPi && static_cast<int>(phi.size()) <= 2 * n + 1; p += step)
        phi.push_back(p);
    std::vector<int> weight(2 * n, 0);
    for (std::size_t j = 0; j < phi.size(); ++j) {
        const int a = static_cast<int>(j % (2 * n));
        const int b = ((n - a) % (2 * n) + 2 * n) % (2 * n);
        ++weight[std::min(a, b)];
    }
    for (int j = 0; j < 2 * n; ++j) {
        if (weight[j] == 0) continue;
        const LD angle = static_cast<std::size_t>(j) < phi.size() ? phi[j] : j * step;
        plan.sinPhi.push_back(toDouble(std::sin(angle)));
        plan.weight.push_back(static_cast<double>(weight[j]));
    }
    // Padding to whole vectors: weight 0 adds nothing.
    while (plan.weight.size() % kFresnelLanes != 0) {
        plan.sinPhi.push_back(0);
        plan.weight.push_back(0);
    }
}

// Intensities from the partial sums, added in item order so that the
// result does not depend on the threads; the brightest entry becomes 255.
FresnelProfile normalise(int entries, int blocks, const std::vector<double> &partC,
                         const std::vector<double> &partS) {
    FresnelProfile out{};
    std::array<double, kFresnelEntries> intensity{};
    double largest = 0;
    for (int k = 0; k < entries; ++k) {
        double c = 0, s = 0;
        for (int b = 0; b < blocks; ++b) {
            c += partC[static_cast<std::size_t>(k) * blocks + b];
            s += partS[static_cast<std::size_t>(k) * blocks + b];
        }
        intensity[k] = c * c + s * s;
        if (intensity[k] > largest) largest = intensity[k];
    }
    // Nothing arrived (or the sums overflowed): a black screen, not 0 / 0.
    if (!(largest > 0) || !std::isfinite(largest)) return out;
    for (int k = 0; k < entries; ++k) {
        const double v = intensity[k];
        // The brightest entry is 255 exactly: v x 255 / v may round below.
        if (v >= largest)
            out[k] = 255;
        else if (v > 0)
            out[k] = static_cast<std::int32_t>(std::min(v * 255 / largest, 255.0));
    }
    return out;
}

} // namespace

FresnelPlan makeFresnelPlan(const FresnelInputs &in) {
    FresnelPlan plan;
    const LD lambda = in.wavelengthNm * 1e-9L;
    const LD rho = std::sqrt(in.z1 * in.z1 + in.screenRadius * in.screenRadius);
    const LD z = in.z1 + in.z2;
    plan.turnsPerMetre = toDouble(1 / lambda);
    plan.halfInverseRho = toDouble(1 / (2 * rho));
    plan.K = toDouble(in.K);
    plan.inverseLambda = 1 / lambda;
    plan.rho = rho;
    polarRings(in, rho, plan);
    azimuths(in, plan);
    const LD dr = in.screenRadius * 0.005L;
    LD r = 0;
    for (int k = 0; r < in.screenRadius && k < kFresnelEntries; ++k, r += dr) {
        plan.r.push_back(toDouble(r));
        // rho² + d² - Q with Q = (z1 + z2)² + r²: the part without d².
        plan.g.push_back(toDouble(rho * rho - (z * z + r * r)));
        const LD centre = std::sqrt(z * z + r * r);
        plan.entryR.push_back(r);
        plan.nearest.push_back(centre - rho);
        plan.farthest.push_back(centre + rho);
    }
    return plan;
}

FresnelProblem checkFresnel(const FresnelInputs &in) {
    if (!(in.wavelengthNm > 0)) return FresnelProblem::Wavelength;
    if (!(in.z1 > 0) || !finite(in.z1)) return FresnelProblem::SourceDistance;
    if (!(in.z1 + in.z2 > 0) || !finite(in.z1 + in.z2)) return FresnelProblem::ScreenDistance;
    if (!(in.screenRadius > 0) || !finite(in.screenRadius)) return FresnelProblem::ScreenRadius;
    if (in.radialSteps < 1 || in.azimuthSteps < 1 || in.radialSteps > kFresnelMaxSteps ||
        in.azimuthSteps > kFresnelMaxSteps)
        return FresnelProblem::Steps;
    return FresnelProblem::None;
}

FresnelProfile computeFresnel(const FresnelInputs &in, RunControl &control) {
    return computeFresnelWith(in, control, &sumFresnelElements);
}

FresnelProfile computeFresnelWith(const FresnelInputs &in, RunControl &control,
                                  FresnelElementSum sum) {
    FresnelProfile out{};
    if (checkFresnel(in) != FresnelProblem::None) return out;
    const FresnelPlan plan = makeFresnelPlan(in);
    const int entries = static_cast<int>(plan.r.size());
    const int rings = static_cast<int>(plan.h.size());
    const int azimuthCount = static_cast<int>(plan.weight.size());
    if (entries == 0 || rings == 0) return out;
    // Items are (entry, block of rings); partial sums are added in item
    // order afterwards, so the result does not depend on the threads.
    const int block = std::clamp(static_cast<int>(kItemElements / azimuthCount), 1, rings);
    const int blocks = (rings + block - 1) / block;
    std::vector<double> partC(static_cast<std::size_t>(entries) * blocks);
    std::vector<double> partS(partC.size());
    ParallelRows items;
    items.first = 0;
    items.last = static_cast<std::int64_t>(partC.size()) - 1;
    items.chunk = 1;
    items.helpers = helperThreadsFor(static_cast<double>(entries) * rings * azimuthCount);
    const std::int64_t total = items.last + 1;
    // Every thread reports, so a core the machine takes away for a while
    // does not hold the bar; one at a time and from the shared count, so
    // the reports never go back.
    std::atomic<std::int64_t> done{0};
    std::mutex reporting;
    const auto report = [&] {
        const std::unique_lock<std::mutex> lock(reporting, std::try_to_lock);
        if (lock.owns_lock()) control.progress(done.load(), total);
    };
    runParallelRows(
        items,
        [&](std::int64_t first, std::int64_t last) {
            for (std::int64_t t = first; t <= last; ++t) {
                const int k = static_cast<int>(t / blocks);
                const int b = static_cast<int>(t % blocks);
                const int from = b * block, to = std::min(rings, from + block);
                sum(plan, k, from, to, partC[t], partS[t]);
                done.fetch_add(1);
                report();
            }
        },
        control.cancelFlag());
    if (control.cancelled()) return out;
    control.percent(100);
    return normalise(entries, blocks, partC, partS);
}
