#include "waves/interference/InterferenceKernel.h"

#include "core/Numbers.h"
#include "core/ParallelRows.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// Memory the system can give now without swapping, in bytes; 0 if unknown.
long double availableMemory() {
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    long double kib = 0;
    std::string unit;
    while (meminfo >> key >> kib >> unit)
        if (key == "MemAvailable:") return kib * 1024;
    const long pages = sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? static_cast<long double>(pages) * pageSize : 0;
}

// Largest request we hand to the system: nine tenths of what it has
// available now, so a result never pushes the machine into swapping or the
// OOM killer, whatever else runs.
long double memoryLimit() {
    const long double available = availableMemory();
    return available > 0 ? available * 0.9L : static_cast<long double>(1L << 30);
}

constexpr int kBlock = 256; // samples computed together, across sources
// Source-rows in one chunk at the most: about a millisecond on one core.
constexpr std::int64_t kChunkWork = std::int64_t(1) << 19;
constexpr double kTwoPi = 6.283185307179586;

// a * b + c, fused where the clone has the instruction.
template <bool Fused> [[gnu::always_inline]] inline double mulAdd(double a, double b, double c) {
    if constexpr (Fused)
        return __builtin_fma(a, b, c);
    else
        return a * b + c;
}

// sin t and cos t - 1 + t² / 2 for |t| <= pi / 4, minimax polynomials good to
// about 2^-58 (the classic kernel coefficients).
template <bool Fused> [[gnu::always_inline]] inline double sinKernel(double t, double t2) {
    double p = mulAdd<Fused>(t2, 1.58969099521155010221e-10, -2.50507602534068634195e-08);
    p = mulAdd<Fused>(t2, p, 2.75573137070700676789e-06);
    p = mulAdd<Fused>(t2, p, -1.98412698298579493134e-04);
    p = mulAdd<Fused>(t2, p, 8.33333333332248946124e-03);
    p = mulAdd<Fused>(t2, p, -1.66666666666666324348e-01);
    return mulAdd<Fused>(t * t2, p, t);
}
template <bool Fused> [[gnu::always_inline]] inline double cosKernel(double t2) {
    double p = mulAdd<Fused>(t2, -1.13596475577881948265e-11, 2.08757232129817482790e-09);
    p = mulAdd<Fused>(t2, p, -2.75573143513906633035e-07);
    p = mulAdd<Fused>(t2, p, 2.48015872894767294178e-05);
    p = mulAdd<Fused>(t2, p, -1.38888888888741095749e-03);
    p = mulAdd<Fused>(t2, p, 4.16666666666666019037e-02);
    return mulAdd<Fused>(t2 * t2, p, mulAdd<Fused>(-0.5, t2, 1.0));
}

struct Wave {
    double distance, distance2, baseTurns, turnsPerMetre;
};

// One source's wave added to a block of samples, branch-free so the loop
// vectorises.
template <bool Fused>
[[gnu::always_inline]] inline void addSourceTo(const double *__restrict y, double *__restrict cs,
                                               double *__restrict sn, double xj, double aj,
                                               const Wave &w) {
    // Adding 1.5 x 2^52 rounds to an integer, whose low bits are then the
    // quarter turn.
    constexpr double kRound = 6755399441055744.0;
    for (int k = 0; k < kBlock; ++k) {
        const double d = y[k] - xj;
        const double d2 = d * d;
        const double r = std::sqrt(d2 + w.distance2);
        const double rl = r + w.distance;
        // One division for both the amplitude 1 / r and r - L = d² / (r + L):
        // the whole turns of L are taken off in extended precision once, so
        // millions of turns keep their fraction.
        const double inv = 1 / (r * rl);
        const double turns = mulAdd<Fused>(d2 * r * inv, w.turnsPerMetre, w.baseTurns);
        const double x = turns - std::floor(turns); // [0, 1]
        const double m = 4 * x + kRound;
        const std::uint64_t quarter = std::bit_cast<std::uint64_t>(m);
        const double t = kTwoPi * (x - 0.25 * (m - kRound)); // |t| <= pi / 4
        const double t2 = t * t;
        const double s = sinKernel<Fused>(t, t2), c = cosKernel<Fused>(t2);
        // Quarter turns 1 and 3 swap cosine and sine; 1 and 2 negate the
        // cosine, 2 and 3 the sine.
        const bool odd = quarter & 1;
        const std::uint64_t cosSign = ((quarter + 1) & 2) << 62, sinSign = (quarter & 2) << 62;
        const double cosine =
            std::bit_cast<double>(std::bit_cast<std::uint64_t>(odd ? s : c) ^ cosSign);
        const double sine =
            std::bit_cast<double>(std::bit_cast<std::uint64_t>(odd ? c : s) ^ sinSign);
        const double a = aj * rl * inv;
        cs[k] = mulAdd<Fused>(a, cosine, cs[k]);
        sn[k] = mulAdd<Fused>(a, sine, sn[k]);
    }
}

using AddSource = void (*)(const double *, double *, double *, double, double, const Wave &);

__attribute__((target("avx2,fma"))) void addSourceFused(const double *y, double *cs, double *sn,
                                                        double xj, double aj, const Wave &w) {
    addSourceTo<true>(y, cs, sn, xj, aj, w);
}
__attribute__((target("avx512f,avx512dq,avx512vl,fma"))) void
addSourceWide(const double *y, double *cs, double *sn, double xj, double aj, const Wave &w) {
    addSourceTo<true>(y, cs, sn, xj, aj, w);
}
void addSourcePlain(const double *y, double *cs, double *sn, double xj, double aj, const Wave &w) {
    addSourceTo<false>(y, cs, sn, xj, aj, w);
}

AddSource chooseAddSource() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq"))
        return addSourceWide;
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") ? addSourceFused
                                                                           : addSourcePlain;
}

struct Prepared {
    std::vector<double> x, amplitude; // source place in metres, brightness
    double step;
    Wave wave;
    AddSource add;
};

Prepared prepare(const InterferenceInputs &in) {
    Prepared p;
    for (const InterferenceSource &s : in.sources) {
        p.x.push_back(s.position / in.divisor);
        p.amplitude.push_back(s.brightness);
    }
    p.step = in.step;
    p.wave.distance = std::abs(in.distance);
    p.wave.distance2 = in.distance * in.distance;
    const long double lambda = in.wavelengthNm * 1e-9L;
    p.wave.turnsPerMetre = static_cast<double>(1 / lambda);
    p.wave.baseTurns =
        static_cast<double>(std::fmod(static_cast<long double>(p.wave.distance), lambda) / lambda);
    static const AddSource add = chooseAddSource();
    p.add = add;
    return p;
}

// One block of samples: every source adds its wave to each sample in turn,
// in list order, as the straightforward sum does. Always a whole block, so
// the loop has a fixed length; the samples past m are computed and dropped.
void blockRows(const Prepared &p, std::int64_t firstI, int m, float *out) {
    double y[kBlock], cs[kBlock] = {}, sn[kBlock] = {};
    for (int k = 0; k < kBlock; ++k)
        y[k] = static_cast<double>(firstI + k) * p.step;
    for (std::size_t j = 0; j < p.x.size(); ++j)
        p.add(y, cs, sn, p.x[j], p.amplitude[j], p.wave);
    for (int k = 0; k < m; ++k)
        out[k] = static_cast<float>((cs[k] * cs[k] + sn[k] * sn[k]) * 0.5);
}

// Fills out[n + i] for firstI <= i <= lastI, within 1 - n .. n - 1.
void computeRows(const Prepared &p, std::int64_t n, float *out, std::int64_t firstI,
                 std::int64_t lastI) {
    firstI = std::max(firstI, 1 - n);
    lastI = std::min(lastI, n - 1);
    for (std::int64_t i = firstI; i <= lastI; i += kBlock) {
        const int m = static_cast<int>(std::min<std::int64_t>(kBlock, lastI - i + 1));
        blockRows(p, i, m, out + n + i);
    }
}

bool strictNumber(const std::string &text, double &v) {
    const std::optional<double> r = readNumberStrict(text);
    if (!r) return false;
    v = *r;
    return true;
}

} // namespace

std::optional<InterferenceInputs> readInterferenceInputs(const InterferenceRequest &request) {
    InterferenceInputs in;
    if (!strictNumber(request.wavelength, in.wavelengthNm) ||
        !strictNumber(request.distance, in.distance) || !strictNumber(request.ymax, in.ymax) ||
        !strictNumber(request.step, in.step))
        return std::nullopt;
    // A wavelength or step of zero or less, or a negative range, has no
    // screen to sample: treated as a wrong number.
    if (!(in.wavelengthNm > 0) || !(in.step > 0) || !(in.ymax >= 0)) return std::nullopt;
    in.divisor = request.divisor;
    in.sources = request.sources;
    return in;
}

double interferenceUnitDivisor(int item) {
    switch (item) {
    case 0:
        return 1e9;
    case 2:
        return 1e3;
    case 3:
        return 1;
    default:
        return 1e6;
    }
}

InterferenceLayout interferenceLayout(double ymax, double step) {
    InterferenceLayout l;
    const double q = ymax / step;
    l.n = std::isfinite(q) ? std::trunc(static_cast<long double>(q))
                           : std::trunc(static_cast<long double>(ymax) / step);
    if (!(l.n >= 0)) l.n = 0;
    l.bytes = (l.n + 10) * 8;
    l.allocatable = l.n <= INT_MAX / 2 && l.bytes <= memoryLimit();
    return l;
}

std::string byteCountText(long double bytes) {
    char buf[64];
    // Whole digits while they can be read; an absurd size as a power of ten.
    if (bytes < 1e15L)
        std::snprintf(buf, sizeof buf, "%.0Lf", bytes);
    else
        std::snprintf(buf, sizeof buf, "%.3Le", bytes);
    return buf;
}

void computeInterferenceRows(const InterferenceInputs &in, std::int64_t n, float *out,
                             std::int64_t firstI, std::int64_t lastI) {
    computeRows(prepare(in), n, out, firstI, lastI);
}

namespace {

void computeAll(const InterferenceInputs &in, std::int64_t n, float *out,
                const std::function<void(int)> &progress, const std::atomic<bool> &cancel) {
    ParallelRows rows;
    rows.first = 1 - n;
    rows.last = n - 1;
    const std::int64_t count = rows.last - rows.first + 1;
    if (count <= 0) return;
    // About 200 chunks, but none longer than a few milliseconds of work, so
    // that cancelling and the progress bar answer at any size.
    const std::int64_t sources = std::max<std::int64_t>(1, std::int64_t(in.sources.size()));
    const std::int64_t byWork =
        std::max<std::int64_t>(kBlock, kChunkWork / sources / kBlock * kBlock);
    rows.chunk =
        std::clamp<std::int64_t>((count / 200 + kBlock - 1) / kBlock * kBlock, kBlock, byWork);
    rows.helpers = helperThreadsFor(static_cast<double>(count) * in.sources.size());
    int last = 0;
    const auto report = [&](std::int64_t done) {
        // The row index reached, as a percentage of 2n.
        const int p = static_cast<int>(done * 100 / (2 * n));
        if (p != last && progress) progress(p);
        last = p;
    };
    // The sources in metres, once for the whole run and every thread.
    const Prepared prepared = prepare(in);
    const std::int64_t done = runParallelRows(
        rows,
        [&](std::int64_t first, std::int64_t lastRow) {
            computeRows(prepared, n, out, first, lastRow);
        },
        cancel, report);
    report(done);
}

} // namespace

InterferenceRun runInterference(const InterferenceRequest &request,
                                const std::function<void(int)> &progress,
                                const std::atomic<bool> &cancel) {
    const std::optional<InterferenceInputs> in = readInterferenceInputs(request);
    if (in) return runInterference(*in, progress, cancel);
    InterferenceRun run;
    run.outcome = InterferenceOutcome::InvalidNumber;
    return run;
}

InterferenceRun runInterference(const InterferenceInputs &inputs,
                                const std::function<void(int)> &progress,
                                const std::atomic<bool> &cancel) {
    InterferenceRun run;
    const InterferenceLayout layout = interferenceLayout(inputs.ymax, inputs.step);
    if (layout.allocatable)
        run.buffer = MappedSamples::allocate(static_cast<std::size_t>(layout.bytes));
    if (!run.buffer) {
        run.outcome = InterferenceOutcome::NoMemory;
        run.requestedBytes = byteCountText(layout.bytes);
        return run;
    }
    computeAll(inputs, layout.samples(), run.buffer.data(), progress, cancel);
    if (cancel.load()) {
        run.buffer.reset();
        return run;
    }
    run.summary = SampleSummary::build(run.buffer.data(), layout.count(), cancel);
    if (cancel.load()) {
        run.buffer.reset();
        return run;
    }
    run.outcome = InterferenceOutcome::Result;
    run.count = layout.count();
    run.ymax = inputs.ymax;
    return run;
}
