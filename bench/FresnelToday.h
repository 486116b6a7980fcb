#pragma once
// The Fresnel kernel as it stood before the series path (per-element square
// roots, no fused multiply-add), kept for the bench as the yardstick of the
// window's speed and of its picture. Only the element sum is the old one:
// the plan, the work items and the normalisation are the window's own.
// Header-only: compile with -O3 -fno-math-errno -fno-trapping-math, as the
// kernel itself is.
#include "waves/fresnel/FresnelElements.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace fresnelToday {

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

inline FresnelProfile computeFresnel(const FresnelInputs &in, RunControl &control) {
    return computeFresnelWith(in, control, &elements::sumFresnelElements);
}

} // namespace fresnelToday
