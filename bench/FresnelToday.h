#pragma once
// The Fresnel kernel as it stood before the series path (per-element square
// roots, no fused multiply-add), kept for the bench as the yardstick of the
// window's speed and of its picture. Header-only: compile with -O3
// -fno-math-errno -fno-trapping-math, as the kernel itself is.
#include "core/ParallelRows.h"
#include "waves/fresnel/Fresnel.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <mutex>
#include <vector>

namespace fresnelToday {

constexpr int kFresnelLanes = 8;

struct FresnelPlan {
    std::vector<double> h, s;
    std::vector<double> sinPhi, weight;
    std::vector<double> r, g;
    double turnsPerMetre = 0;
    double halfInverseRho = 0;
    double K = 0;
};

namespace elements {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kFloatMax = 3.4028234663852886e38;

// asin(x) for |x| <= 0.5: x + x t P(t) / Q(t), t = x², a rational fit good
// to an ulp or two.
inline double asinSmall(double x) {
    const double t = x * x;
    const double p =
        t * (1.66666666666666657415e-01 +
             t * (-3.25565818622400915405e-01 +
                  t * (2.01212532134862925881e-01 +
                       t * (-4.00555345006794114027e-02 +
                            t * (7.91534994289814532176e-04 + t * 3.47933107596021167570e-05)))));
    const double q =
        1 + t * (-2.40339491173441421878e+00 +
                 t * (2.02094576023350569471e+00 +
                      t * (-6.88283971605453293030e-01 + t * 7.70381505559019352791e-02)));
    return x + x * p / q;
}

// The angle between the wavefront's outward normal and the direction to
// the screen point, pi - acos(c) = acos(-c), for c in [-1, 0): near the
// axis (c < -1/2) as 2 asin(sqrt((1 + c) / 2)), which keeps small angles
// accurate, else as pi / 2 - asin(-c).
inline double obliquity(double c) {
    const bool nearAxis = c < -0.5;
    const double root = std::sqrt(0.5 * (1 + c)); // both sides computed: no branch in the loop
    const double a = asinSmall(nearAxis ? root : -c);
    return nearAxis ? 2 * a : kHalfPi - a;
}

// e^-x, with x held to [-700, 700]: 2^-n e^-r, |r| <= ln 2 / 2, the power
// of two built in the exponent bits so that the loop stays vectorised. The
// polynomials here are good to a few 1e-13, far below what rounds chi, psi
// and A to single precision.
inline double expNegative(double x) {
    x = std::min(std::max(x, -700.0), 700.0);
    const double shift = 6755399441055744.0; // 1.5 x 2^52: adding it rounds to an integer
    const double shifted = -x * 1.4426950408889634 + shift;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(shifted);
    const double n = shifted - shift;
    const double r = -x - n * 6.93147180369123816490e-01 - n * 1.90821492927058770002e-10;
    const double p =
        1 +
        r * (1 + r * (1.0 / 2 +
                      r * (1.0 / 6 +
                           r * (1.0 / 24 +
                                r * (1.0 / 120 +
                                     r * (1.0 / 720 +
                                          r * (1.0 / 5040 +
                                               r * (1.0 / 40320 + r * (1.0 / 362880 +
                                                                       r * (1.0 / 3628800))))))))));
    // The low bits of `shifted` hold n; moved into the exponent field.
    const double scale = std::bit_cast<double>((bits << 52) + (std::uint64_t{1023} << 52));
    return p * scale;
}

// cos and sin of an angle in [0, 2 pi]: brought to |t| <= pi / 4 around the
// nearest quarter turn q (pi / 2 in two parts, the first exact in q x it),
// which then swaps and negates.
inline void cosSin(double angle, double &cosine, double &sine) {
    const double q = std::floor(angle * 0.6366197723675814 + 0.5); // 0..4
    const double t = (angle - q * 1.5707963267341256) - q * 6.077100506506192e-11;
    const double t2 = t * t;
    const double s =
        t *
        (1 + t2 * (-1.0 / 6 +
                   t2 * (1.0 / 120 + t2 * (-1.0 / 5040 +
                                           t2 * (1.0 / 362880 + t2 * (-1.0 / 39916800 +
                                                                      t2 * (1.0 / 6227020800)))))));
    const double c =
        1 +
        t2 * (-0.5 + t2 * (1.0 / 24 +
                           t2 * (-1.0 / 720 + t2 * (1.0 / 40320 + t2 * (-1.0 / 3628800 +
                                                                        t2 * (1.0 / 479001600))))));
    const bool odd = (q == 1) | (q == 3);
    const double cc = odd ? s : c;
    const double ss = odd ? c : s;
    cosine = ((q == 1) | (q == 2)) ? -cc : cc;
    sine = ((q == 2) | (q == 3)) ? -ss : ss;
}

// One ring against one screen point: d² = s² + h² + r² - 2 r s sin(phi).
struct Ring {
    double d2Base, twoRS, s, g;
};

// One ring's elements at every azimuth, added to per-azimuth sums (so the
// loop vectorises without reordering any sum).
inline __attribute__((target_clones("avx512f", "avx2", "default"))) void
addRing(const double *__restrict sinPhi, const double *__restrict weight, double *__restrict sumC,
        double *__restrict sumS, int count, Ring ring, double halfInverseRho, double turnsPerMetre,
        double K) {
    for (int j = 0; j < count; ++j) {
        const double d2 = ring.d2Base - ring.twoRS * sinPhi[j];
        const double d = std::sqrt(d2);
        const double c0 = (ring.g + d2) * halfInverseRho / d;
        // c >= 0: the screen point lies behind the wavefront.
        const bool ahead = c0 < 0;
        const double c = c0 < -1 ? -1 : c0;
        // chi, psi and A are single precision, the rest double.
        const float chi = static_cast<float>(obliquity(c));
        const double turns = d * turnsPerMetre;
        const float psi = static_cast<float>(kTwoPi * (turns - std::floor(turns)));
        const double a = ring.s * expNegative(K * static_cast<double>(chi));
        const float A = static_cast<float>(std::min(std::max(a, -kFloatMax), kFloatMax));
        double cs, sn;
        cosSin(static_cast<double>(psi), cs, sn);
        const double weighted = static_cast<double>(A) * weight[j];
        const double w = ahead ? weighted : 0.0;
        sumC[j] += w * cs;
        sumS[j] += w * sn;
    }
}

inline void sumFresnelElements(const FresnelPlan &plan, int k, int fromRing, int toRing, double &C,
                               double &S) {
    const int count = static_cast<int>(plan.weight.size());
    thread_local std::vector<double> sumC, sumS;
    sumC.assign(static_cast<std::size_t>(count), 0.0);
    sumS.assign(static_cast<std::size_t>(count), 0.0);
    for (int i = fromRing; i < toRing; ++i) {
        const double h = plan.h[i], s = plan.s[i], r = plan.r[k];
        const Ring ring{s * s + h * h + r * r, 2 * r * s, s, plan.g[k]};
        addRing(plan.sinPhi.data(), plan.weight.data(), sumC.data(), sumS.data(), count, ring,
                plan.halfInverseRho, plan.turnsPerMetre, plan.K);
    }
    C = 0;
    S = 0;
    for (int j = 0; j < count; ++j) {
        C += sumC[j];
        S += sumS[j];
    }
}

} // namespace elements

using LD = long double;
constexpr LD kPi = 3.141592653589793L;
constexpr LD kTwoPi = 6.283185307179586L;
// Elements per work item: about a millisecond, the bound on a cancellation's delay.
constexpr double kItemElements = 1 << 18;

inline bool finite(LD v) {
    return std::isfinite(v);
}

// long double to double, saturating: a finite value beyond double's range
// becomes infinite instead of undefined.
inline double toDouble(LD v) {
    constexpr LD top = std::numeric_limits<double>::max();
    if (v > top) return std::numeric_limits<double>::infinity();
    if (v < -top) return -std::numeric_limits<double>::infinity();
    return static_cast<double>(v);
}

// The polar angles from the inner to the outer edge, stepped as the sum
// always stepped them: alpha += d alpha while alpha <= alpha_out.
inline void polarRings(const FresnelInputs &in, LD rho, FresnelPlan &plan) {
    const LD alphaIn = std::atan(in.innerRadius / in.z1);
    const LD alphaOut = std::atan(in.outerRadius / in.z1);
    const LD step = (alphaOut - alphaIn) / in.radialSteps;
    // A ring of no width would never step past its edge: nothing passes it.
    if (!(step > 0) || !finite(step)) return;
    const LD z = in.z1 + in.z2;
    LD alpha = alphaIn;
    for (int i = 0; alpha <= alphaOut && i <= in.radialSteps + 1; ++i, alpha += step) {
        plan.h.push_back(toDouble(z - rho * std::cos(alpha)));
        plan.s.push_back(toDouble(rho * std::sin(alpha)));
    }
}

// The azimuths 0, d phi, ... up to 2 pi. The screen point lies in the plane
// of phi = 90 degrees, so phi and 180 - phi give the same element: each pair
// is summed once with weight 2 (the closing 2 pi repeats 0). Only sin(phi)
// enters the distance.
inline void azimuths(const FresnelInputs &in, FresnelPlan &plan) {
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

inline FresnelPlan makePlan(const FresnelInputs &in) {
    FresnelPlan plan;
    const LD lambda = in.wavelengthNm * 1e-9L;
    const LD rho = std::sqrt(in.z1 * in.z1 + in.screenRadius * in.screenRadius);
    const LD z = in.z1 + in.z2;
    plan.turnsPerMetre = toDouble(1 / lambda);
    plan.halfInverseRho = toDouble(1 / (2 * rho));
    plan.K = toDouble(in.K);
    polarRings(in, rho, plan);
    azimuths(in, plan);
    const LD dr = in.screenRadius * 0.005L;
    LD r = 0;
    for (int k = 0; r < in.screenRadius && k < kFresnelEntries; ++k, r += dr) {
        plan.r.push_back(toDouble(r));
        // rho² + d² - Q with Q = (z1 + z2)² + r²: the part without d².
        plan.g.push_back(toDouble(rho * rho - (z * z + r * r)));
    }
    return plan;
}

// Intensities from the partial sums, added in item order so that the
// result does not depend on the threads; the brightest entry becomes 255.
inline FresnelProfile normalise(int entries, int blocks, const std::vector<double> &partC,
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

inline FresnelProfile computeFresnel(const FresnelInputs &in, RunControl &control) {
    FresnelProfile out{};
    if (::checkFresnel(in) != FresnelProblem::None) return out;
    const FresnelPlan plan = makePlan(in);
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
                elements::sumFresnelElements(plan, k, from, to, partC[t], partS[t]);
                done.fetch_add(1);
                report();
            }
        },
        control.cancelFlag());
    if (control.cancelled()) return out;
    control.percent(100);
    return normalise(entries, blocks, partC, partS);
}

} // namespace fresnelToday
