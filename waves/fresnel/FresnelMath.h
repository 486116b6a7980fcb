#pragma once
// The functions of the Fresnel element loops, written so that a loop over
// the azimuth vectorises: polynomials, bit tricks instead of branches. Fused
// picks std::fma (for targets that have it) over a * b + c.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace fresnel {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kFloatMax = 3.4028234663852886e38;
constexpr double kRoundShift = 6755399441055744.0; // 1.5 x 2^52: adding it rounds to an integer

template <bool Fused> [[gnu::always_inline]] inline double mulAdd(double a, double b, double c) {
    if constexpr (Fused)
        return std::fma(a, b, c);
    else
        return a * b + c;
}

// c[0] + x (c[1] + x (c[2] + ...)), innermost first; unrolled by the
// template so that the loops around it stay free of control flow.
template <bool Fused, std::size_t N, std::size_t From = 0>
[[gnu::always_inline]] inline double horner(double x, const std::array<double, N> &c) {
    if constexpr (From + 1 == N)
        return c[From];
    else
        return mulAdd<Fused>(horner<Fused, N, From + 1>(x, c), x, c[From]);
}

// asin(x) for |x| <= 0.5: x + x t P(t) / Q(t), t = x², a rational fit good
// to an ulp or two.
constexpr std::array<double, 6> kAsinP{1.66666666666666657415e-01, -3.25565818622400915405e-01,
                                       2.01212532134862925881e-01, -4.00555345006794114027e-02,
                                       7.91534994289814532176e-04, 3.47933107596021167570e-05};
constexpr std::array<double, 5> kAsinQ{1, -2.40339491173441421878e+00, 2.02094576023350569471e+00,
                                       -6.88283971605453293030e-01, 7.70381505559019352791e-02};
template <bool Fused> [[gnu::always_inline]] inline double asinSmall(double x) {
    const double t = x * x;
    const double p = t * horner<Fused>(t, kAsinP);
    const double q = horner<Fused>(t, kAsinQ);
    return x + x * p / q;
}

// The angle between the wavefront's outward normal and the direction to
// the screen point, pi - acos(c) = acos(-c), for c in [-1, 0): near the
// axis (c < -1/2) as 2 asin(sqrt((1 + c) / 2)), which keeps small angles
// accurate, else as pi / 2 - asin(-c). Both sides are computed: no branch
// in the loop.
template <bool Fused> [[gnu::always_inline]] inline double obliquity(double c) {
    const bool nearAxis = c < -0.5;
    const double root = std::sqrt(0.5 * (1 + c));
    const double a = asinSmall<Fused>(nearAxis ? root : -c);
    return nearAxis ? 2 * a : kHalfPi - a;
}

// The same from u = (1 + c) / 2 = sin²(chi / 2), which the series give
// without the cancellation in 1 + c.
template <bool Fused> [[gnu::always_inline]] inline double obliquityOfHalf(double u) {
    const bool nearAxis = u < 0.25;
    const double a = asinSmall<Fused>(nearAxis ? std::sqrt(u) : 1 - 2 * u);
    return nearAxis ? 2 * a : kHalfPi - a;
}

// 2 asin(sqrt(u)) / sqrt(u) = 2 sum (2n)! / (4^n n!² (2n + 1)) u^n; 5 terms
// are good to 1e-17 for u <= 1e-3, 8 terms to 1e-18 for u <= 1e-2.
constexpr std::array<double, 8> kAsinSeries{2,
                                            2.0 / 6,
                                            2 * 3.0 / 40,
                                            2 * 5.0 / 112,
                                            2 * 35.0 / 1152,
                                            2 * 63.0 / 2816,
                                            2 * 231.0 / 13312,
                                            2 * 143.0 / 10240};

// e^-x, with x held to [-700, 700]: 2^-n e^-r, |r| <= ln 2 / 2, the power
// of two built in the exponent bits. Good to a few 1e-13, far below what
// rounds chi, psi and A to single precision.
constexpr std::array<double, 11> kExp{
    1,         1,          1.0 / 2,     1.0 / 6,      1.0 / 24,     1.0 / 120,
    1.0 / 720, 1.0 / 5040, 1.0 / 40320, 1.0 / 362880, 1.0 / 3628800};
template <bool Fused> [[gnu::always_inline]] inline double expNegative(double x) {
    x = std::min(std::max(x, -700.0), 700.0);
    const double shifted = mulAdd<Fused>(-x, 1.4426950408889634, kRoundShift);
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(shifted);
    const double n = shifted - kRoundShift;
    double r;
    if constexpr (Fused)
        r = std::fma(-n, 1.90821492927058770002e-10, std::fma(-n, 6.93147180369123816490e-01, -x));
    else
        r = -x - n * 6.93147180369123816490e-01 - n * 1.90821492927058770002e-10;
    // The low bits of `shifted` hold n; moved into the exponent field.
    const double scale = std::bit_cast<double>((bits << 52) + (std::uint64_t{1023} << 52));
    return horner<Fused>(r, kExp) * scale;
}

// 2^r for |r| <= 1/2 to 2e-14 (Chebyshev interpolation): multiplied by s
// once per ring, these give s 2^-y as s 2^r with 2^n added to its exponent.
constexpr std::array<double, 10> kExp2{
    1.0000000000000135,     0.69314718055994617,   0.24022650695640335,    0.055504108664651726,
    0.0096181291939352424,  0.0013333558200779318, 0.00015403433750716956, 1.5252672935095469e-05,
    1.3259645343488558e-06, 1.0205903357984881e-07};

// s e^-x for y = x log2 e with s 2^-y a normal double: scaled = s kExp2.
template <bool Fused>
[[gnu::always_inline]] inline double scaledExp2(double y, const std::array<double, 10> &scaled) {
    const double shifted = kRoundShift - y;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(shifted);
    const double r = -y - (shifted - kRoundShift); // exact, |r| <= 1/2
    const double p = horner<Fused>(r, scaled);
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(p) + (bits << 52));
}

// cos and sin of an angle in [0, 2 pi] from y = angle / (pi / 2): t = y - q
// for the nearest whole q, |t| <= 1/2, whose low bits then swap and negate.
// The polynomials (Chebyshev interpolation) are good to 4e-15 and 6e-14.
constexpr std::array<double, 6> kSinQuarter{1.5707963267948899,    -0.64596409750430905,
                                            0.07969262615574578,   -0.0046817525914544427,
                                            0.0001604292650269438, -3.5563862326171147e-06};
constexpr std::array<double, 6> kCosQuarter{0.99999999999994438,    -1.2337005501201592,
                                            0.25366950715370379,    -0.020863468002238612,
                                            0.00091916173692752068, -2.4850963318575243e-05};
template <bool Fused>
[[gnu::always_inline]] inline void cosSin(double angle, double &cosine, double &sine) {
    const double y = angle * 0.63661977236758134;
    const double m = y + kRoundShift;
    const std::uint64_t quarter = std::bit_cast<std::uint64_t>(m);
    const double t = y - (m - kRoundShift);
    const double t2 = t * t;
    const double s = t * horner<Fused>(t2, kSinQuarter);
    const double c = horner<Fused>(t2, kCosQuarter);
    const bool odd = quarter & 1;
    const std::uint64_t cosSign = ((quarter + 1) & 2) << 62, sinSign = (quarter & 2) << 62;
    cosine = std::bit_cast<double>(std::bit_cast<std::uint64_t>(odd ? s : c) ^ cosSign);
    sine = std::bit_cast<double>(std::bit_cast<std::uint64_t>(odd ? c : s) ^ sinSign);
}

} // namespace fresnel
