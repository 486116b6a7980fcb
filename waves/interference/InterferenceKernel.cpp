#include "waves/interference/InterferenceKernel.h"

#include "core/Numbers.h"
#include "core/ParallelRows.h"

#include <algorithm>
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

// cos and sin of 2 pi x for x in [0, 1), branch-free so the loop vectorises:
// x is brought to [-1/8, 1/8] around the nearest quarter turn q and the
// quarter turn applied by swapping and negating.
inline void cosSinTurn(double x, double &cosine, double &sine) {
    const double q = std::floor(4 * x + 0.5); // 0..4
    const double t = kTwoPi * (x - 0.25 * q); // |t| <= pi / 4
    const double t2 = t * t;
    const double s =
        t * (1 + t2 * (-1.0 / 6 +
                       t2 * (1.0 / 120 +
                             t2 * (-1.0 / 5040 +
                                   t2 * (1.0 / 362880 +
                                         t2 * (-1.0 / 39916800 +
                                               t2 * (1.0 / 6227020800 +
                                                     t2 * (-1.0 / 1307674368000 +
                                                           t2 * (1.0 / 355687428096000)))))))));
    const double c =
        1 + t2 * (-0.5 +
                  t2 * (1.0 / 24 + t2 * (-1.0 / 720 +
                                         t2 * (1.0 / 40320 +
                                               t2 * (-1.0 / 3628800 +
                                                     t2 * (1.0 / 479001600 +
                                                           t2 * (-1.0 / 87178291200 +
                                                                 t2 * (1.0 / 20922789888000))))))));
    // Quarter turns 1 and 3 swap cosine and sine; 1 and 2 negate the
    // cosine, 2 and 3 the sine.
    const double odd = q - 2 * std::floor(0.5 * q);
    const double cc = odd * s + (1 - odd) * c;
    const double ss = odd * c + (1 - odd) * s;
    const double cosSign = (q > 0.5) & (q < 2.5) ? -1.0 : 1.0;
    const double sinSign = (q > 1.5) & (q < 3.5) ? -1.0 : 1.0;
    cosine = cosSign * cc;
    sine = sinSign * ss;
}

struct Prepared {
    std::vector<double> x, amplitude; // source place in metres, brightness
    double step, distance, distance2, turnsPerMetre, baseTurns;
};

Prepared prepare(const InterferenceInputs &in) {
    Prepared p;
    for (const InterferenceSource &s : in.sources) {
        p.x.push_back(s.position / in.divisor);
        p.amplitude.push_back(s.brightness);
    }
    p.step = in.step;
    p.distance = std::abs(in.distance);
    p.distance2 = in.distance * in.distance;
    const long double lambda = in.wavelengthNm * 1e-9L;
    p.turnsPerMetre = static_cast<double>(1 / lambda);
    p.baseTurns =
        static_cast<double>(std::fmod(static_cast<long double>(p.distance), lambda) / lambda);
    return p;
}

// One source's wave added to a block of samples.
__attribute__((target_clones("avx2", "default"))) void
addSource(const double *__restrict y, double *__restrict cs, double *__restrict sn, double xj,
          double aj, double distance, double distance2, double baseTurns, double turnsPerMetre) {
    for (int k = 0; k < kBlock; ++k) {
        const double d = y[k] - xj;
        const double r = std::sqrt(d * d + distance2);
        // r = L + d² / (r + L): the whole turns of L are taken off in
        // extended precision once, so millions of turns keep their fraction.
        const double turns = baseTurns + d * d / (r + distance) * turnsPerMetre;
        double c, s;
        cosSinTurn(turns - std::floor(turns), c, s);
        const double a = aj / r;
        cs[k] += a * c;
        sn[k] += a * s;
    }
}

// One block of samples: every source adds its wave to each sample in turn,
// in list order, as the straightforward sum does. Always a whole block, so
// the loop has a fixed length; the samples past m are computed and dropped.
void blockRows(const Prepared &p, std::int64_t firstI, int m, float *out) {
    double y[kBlock], cs[kBlock] = {}, sn[kBlock] = {};
    for (int k = 0; k < kBlock; ++k)
        y[k] = static_cast<double>(firstI + k) * p.step;
    for (std::size_t j = 0; j < p.x.size(); ++j)
        addSource(y, cs, sn, p.x[j], p.amplitude[j], p.distance, p.distance2, p.baseTurns,
                  p.turnsPerMetre);
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
