#include "waves/fresnel/FresnelElements.h"

#include "waves/fresnel/FresnelMath.h"

namespace {

using namespace fresnel;

// w (cos psi, sin psi) added to an azimuth's sums.
template <bool Fused>
[[gnu::always_inline]] inline void addPhasor(double w, float psi, double &sumC, double &sumS) {
    double cs, sn;
    cosSin<Fused>(static_cast<double>(psi), cs, sn);
    sumC = mulAdd<Fused>(w, cs, sumC);
    sumS = mulAdd<Fused>(w, sn, sumS);
}

struct Shared {
    double halfInverseRho, turnsPerMetre, K;
};

// One ring against one screen point: d² = s² + h² + r² - 2 r s sin(phi).
struct Ring {
    double d2Base, twoRS, s, g;
};

// One ring's elements at every azimuth, each from its own distance, added
// to per-azimuth sums (so the loop vectorises without reordering any sum).
template <bool Fused>
[[gnu::always_inline]] inline void addRing(const double *__restrict sinPhi, double *__restrict sumC,
                                           double *__restrict sumS, int count, const Ring &ring,
                                           const Shared &shared) {
    const Ring rg = ring;
    const Shared sh = shared;
    for (int j = 0; j < count; ++j) {
        const double d2 = rg.d2Base - rg.twoRS * sinPhi[j];
        const double d = std::sqrt(d2);
        const double c0 = (rg.g + d2) * sh.halfInverseRho / d;
        // c >= 0: the screen point lies behind the wavefront.
        const double c = c0 < -1 ? -1 : c0;
        // chi, psi and A are single precision, the rest double.
        const float chi = static_cast<float>(obliquity<Fused>(c));
        const double turns = d * sh.turnsPerMetre;
        const float psi = static_cast<float>(kTwoPi * (turns - std::floor(turns)));
        const double a = rg.s * expNegative<Fused>(sh.K * static_cast<double>(chi));
        const float A = static_cast<float>(std::min(std::max(a, -kFloatMax), kFloatMax));
        addPhasor<Fused>(c0 < 0 ? static_cast<double>(A) : 0.0, psi, sumC[j], sumS[j]);
    }
}

// A ring whose distances vary little around it (2 r s << d²): the turns past
// a whole number and u = sin²(chi / 2) as polynomials in x = sin(phi), so
// that an element costs no square root of its distance nor any division.
// Its elements all lie ahead of the screen point (u < 1/2), and s e^(-K chi)
// stays a normal double.
constexpr int kSeriesTerms = 9;
using Series = std::array<double, kSeriesTerms>;
struct SeriesRing {
    Series turns, half;          // the first `terms` coefficients count, the rest are 0
    std::array<double, 10> exp2; // s kExp2
    double kLog2e;               // K log2 e
};

// The elements in blocks, each in three loops: psi and chi, A, the phasor.
// One loop doing all of it holds too long a chain of dependent operations
// for the processor to overlap enough elements (1.2x, docs/PERFORMANCE.md);
// the operations and their order per element are the same.
constexpr int kSeriesBlock = 256;

template <bool Fused, int Terms, int AsinTerms>
[[gnu::always_inline]] inline void addSeriesRing(const double *__restrict sinPhi,
                                                 double *__restrict sumC, double *__restrict sumS,
                                                 int count, const SeriesRing &ring) {
    std::array<double, Terms> turns, half;
    std::copy_n(ring.turns.begin(), Terms, turns.begin());
    std::copy_n(ring.half.begin(), Terms, half.begin());
    std::array<double, (AsinTerms > 0 ? AsinTerms : 1)> asinSeries;
    std::copy_n(kAsinSeries.begin(), asinSeries.size(), asinSeries.begin());
    const std::array<double, 10> exp2 = ring.exp2;
    const double kLog2e = ring.kLog2e;
    alignas(32) float psiOf[kSeriesBlock], chiOf[kSeriesBlock], aOf[kSeriesBlock];
    for (int from = 0; from < count; from += kSeriesBlock) {
        const int n = std::min(kSeriesBlock, count - from);
        const double *__restrict x = sinPhi + from;
        for (int j = 0; j < n; ++j) {
            const double v = horner<Fused>(x[j], turns);
            psiOf[j] = static_cast<float>(kTwoPi * (v - std::floor(v)));
            const double u0 = horner<Fused>(x[j], half);
            // u < 0 is c < -1, held at -1.
            const double u = u0 < 0 ? 0.0 : u0;
            if constexpr (AsinTerms > 0)
                chiOf[j] = static_cast<float>(std::sqrt(u) * horner<Fused>(u, asinSeries));
            else
                chiOf[j] = static_cast<float>(obliquityOfHalf<Fused>(u));
        }
        for (int j = 0; j < n; ++j)
            aOf[j] =
                static_cast<float>(scaledExp2<Fused>(kLog2e * static_cast<double>(chiOf[j]), exp2));
        double *__restrict c = sumC + from, *__restrict s = sumS + from;
        for (int j = 0; j < n; ++j)
            addPhasor<Fused>(static_cast<double>(aOf[j]), psiOf[j], c[j], s[j]);
    }
}

// The element loops for this processor: fused multiply-add where there is
// one. Series loops by the terms they take (kTermCounts) and the arc sine (5
// or 8 terms of its series for u up to 1e-3 or 1e-2, else the fit).
using RingLoop = void (*)(const double *, double *, double *, int, const Ring &, const Shared &);
using SeriesLoop = void (*)(const double *, double *, double *, int, const SeriesRing &);
constexpr std::array<int, 6> kTermCounts{3, 4, 5, 6, 7, 9};
constexpr double kAsinRange[2] = {1e-3, 1e-2};
struct Loops {
    RingLoop ring;
    SeriesLoop series[kTermCounts.size()][3];
};

#define FRESNEL_SERIES(NAME, T)                                                                    \
    { NAME##Series<T, 5>, NAME##Series<T, 8>, NAME##Series<T, 0> }
#define FRESNEL_LOOPS(TARGET, NAME, FUSED)                                                         \
    TARGET void NAME##Ring(const double *p, double *c, double *s, int n, const Ring &r,            \
                           const Shared &sh) {                                                     \
        addRing<FUSED>(p, c, s, n, r, sh);                                                         \
    }                                                                                              \
    template <int T, int A>                                                                        \
    TARGET void NAME##Series(const double *p, double *c, double *s, int n, const SeriesRing &r) {  \
        addSeriesRing<FUSED, T, A>(p, c, s, n, r);                                                 \
    }                                                                                              \
    Loops NAME##Loops() {                                                                          \
        return {NAME##Ring,                                                                        \
                {FRESNEL_SERIES(NAME, 3), FRESNEL_SERIES(NAME, 4), FRESNEL_SERIES(NAME, 5),        \
                 FRESNEL_SERIES(NAME, 6), FRESNEL_SERIES(NAME, 7), FRESNEL_SERIES(NAME, 9)}};      \
    }

FRESNEL_LOOPS(__attribute__((target("avx512f,avx512dq,avx512vl,fma"))), wide, true)
FRESNEL_LOOPS(__attribute__((target("avx2,fma"))), fused, true)
FRESNEL_LOOPS(, plain, false)
#undef FRESNEL_LOOPS
#undef FRESNEL_SERIES

Loops chooseLoops() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq")) return wideLoops();
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) return fusedLoops();
    return plainLoops();
}

// binom(1/2, n) and binom(-1/2, n): the Taylor coefficients of (1 - e)^(1/2)
// and (1 - e)^(-1/2) in -e.
constexpr std::array<double, kSeriesTerms> binomials(double power) {
    std::array<double, kSeriesTerms> b{1};
    for (int n = 1; n < kSeriesTerms; ++n)
        b[n] = b[n - 1] * (power - (n - 1)) / n;
    return b;
}
constexpr Series kRootSeries = binomials(0.5), kInverseRootSeries = binomials(-0.5);

// What the truncated series may be off by: turns (double distances are off
// by 1e-16 of some 1e5 turns) and u (1 + c in double by 1e-16). Every
// coefficient past the constant is at most half the scale times e^n, so the
// rest of a series of N terms is at most scale e^N / (1 - e).
constexpr double kTurnsTolerance = 1e-14, kHalfTolerance = 1e-17;

// What a series needs of its screen entry, the same for every ring.
struct Entry {
    long double r2, nearest, farthest;
    double g, absG, quarterRho;
};
Entry entryOf(const FresnelPlan &plan, int k) {
    const long double near = plan.nearest[k], far = plan.farthest[k];
    const double g = static_cast<double>(-near * far);
    return {plan.entryR[k] * plan.entryR[k],        near, far, g, std::fabs(g),
            static_cast<double>(1 / (4 * plan.rho))};
}

// The series' coefficients for the first `terms` powers; what u can reach.
double fillSeries(long double root, long double turns, double e, int terms, const Entry &entry,
                  SeriesRing &out) {
    // The constant terms in extended precision: the whole turns go (turns
    // is below 2^62, so the cast truncates it), and u as
    // (d - (sqrt Q - rho)) (d + sqrt Q + rho) / (4 rho d) keeps its digits.
    out.turns.fill(0);
    out.half.fill(0);
    out.turns[0] =
        static_cast<double>(turns - static_cast<long double>(static_cast<std::int64_t>(turns)));
    out.half[0] = static_cast<double>((root - entry.nearest) * (root + entry.farthest) / root) *
                  entry.quarterRho;
    const double rootD = static_cast<double>(root), turnsD = static_cast<double>(turns);
    double power = 1, top = std::fabs(out.half[0]);
    for (int n = 1; n < terms; ++n) {
        power *= -e;
        out.turns[n] = turnsD * kRootSeries[n] * power;
        out.half[n] = (kRootSeries[n] * rootD + kInverseRootSeries[n] * entry.g / rootD) * power *
                      entry.quarterRho;
        top += std::fabs(out.half[n]);
    }
    return top;
}

// The loop for ring i at entry k with its series, or none where the series
// would not hold the tolerances, where an element might lie behind the
// screen point, or where K or s could take the exponential out of range.
// With d² = B (1 - e x), e = 2 r s / B: the distance is sqrt(B) (1 - e x)^(1/2),
// and u = 1/2 + (d + g / d) / (4 rho), g = rho² - Q.
SeriesLoop chooseSeries(const FresnelPlan &plan, const Loops &loops, const Entry &entry, int k,
                        int i, SeriesRing &out) {
    using LD = long double;
    const LD s = plan.ringS[i], h = plan.ringH[i];
    const LD B = s * s + h * h + entry.r2;
    const double e = 2 * plan.r[k] * plan.s[i] / static_cast<double>(B);
    if (!(e < 0.5)) return nullptr;
    const LD root = std::sqrt(B), turns = root * plan.inverseLambda;
    const double rootD = static_cast<double>(root), turnsD = static_cast<double>(turns);
    if (!(turnsD < 1e18)) return nullptr;
    const double halfScale = (rootD + entry.absG / rootD) * entry.quarterRho;
    const double need = std::max(turnsD / kTurnsTolerance, halfScale / kHalfTolerance);
    // The rest of a series of N terms: e^N / (1 - e).
    double rest = e * e / (1 - e);
    std::size_t index = 0;
    for (int n = 2; index < kTermCounts.size(); ++index) {
        for (; n < kTermCounts[index]; ++n)
            rest *= e;
        if (need * rest <= 1) break;
    }
    if (index == kTermCounts.size()) return nullptr;
    const double top = fillSeries(root, turns, e, kTermCounts[index], entry, out);
    const int asin = top <= kAsinRange[0] ? 0 : (top <= kAsinRange[1] ? 1 : 2);
    // chi reaches 2 asin(sqrt(top)), below 1.6 while u < 1/2; s e^(-K chi)
    // must stay a normal double for its exponent to take 2^n by addition,
    // so K chi <= 600 with s >= 1e-30 (e^-669 > 1e-291).
    const double chiTop = asin < 2 ? 2.02 * std::sqrt(kAsinRange[asin]) : 1.6;
    const double sD = plan.s[i];
    if (!(top < 0.5 && plan.K >= 0 && plan.K * chiTop <= 600 && sD >= 1e-30 && sD <= kFloatMax))
        return nullptr;
    for (std::size_t n = 0; n < kExp2.size(); ++n)
        out.exp2[n] = sD * kExp2[n];
    out.kLog2e = plan.K * 1.4426950408889634;
    return loops.series[index][asin];
}

} // namespace

void sumFresnelElements(const FresnelPlan &plan, int k, int fromRing, int toRing, double &C,
                        double &S) {
    static const Loops loops = chooseLoops();
    const int count = static_cast<int>(plan.weight.size());
    thread_local std::vector<double> sumC, sumS;
    sumC.assign(static_cast<std::size_t>(count), 0.0);
    sumS.assign(static_cast<std::size_t>(count), 0.0);
    const double *x = plan.sinPhi.data();
    const Shared shared{plan.halfInverseRho, plan.turnsPerMetre, plan.K};
    const Entry entry = entryOf(plan, k);
    for (int i = fromRing; i < toRing; ++i) {
        SeriesRing series;
        if (const SeriesLoop loop = chooseSeries(plan, loops, entry, k, i, series)) {
            loop(x, sumC.data(), sumS.data(), count, series);
            continue;
        }
        const double h = plan.h[i], s = plan.s[i], r = plan.r[k];
        const Ring ring{s * s + h * h + r * r, 2 * r * s, s, plan.g[k]};
        loops.ring(x, sumC.data(), sumS.data(), count, ring, shared);
    }
    // The weights (1, 2, or 0 for padding) are powers of two: applied to
    // the sums, they give what weighting every element would.
    C = 0;
    S = 0;
    for (int j = 0; j < count; ++j) {
        C += plan.weight[j] * sumC[j];
        S += plan.weight[j] * sumS[j];
    }
}
