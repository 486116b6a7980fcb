// The Fresnel kernel against the kernel as it was (bench/FresnelToday.h)
// and the straightforward extended-precision sum. First the interleaved
// ratios against the plain sum at the defaults and against the old kernel
// (CPU time of the whole process: the kernels share their work out the
// same way), then Google Benchmark's cases; the 1000 x 1000 reference takes
// about a minute per run.
//   --compare=N    levels of N random inputs (up to 300 x 300 steps) against
//                  the old kernel: profiles and entries that differ
//   --reference=N  the same against the plain sum (up to 60 x 60 steps)
#include "FresnelToday.h"
#include "InterleavedCpu.h"
#include "waves/FresnelReference.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

FresnelInputs steps(int n) {
    FresnelInputs in;
    in.radialSteps = n;
    in.azimuthSteps = n;
    return in;
}

FresnelProfile kernel(const FresnelInputs &in) {
    RunControl control;
    return computeFresnel(in, control);
}

FresnelProfile today(const FresnelInputs &in) {
    RunControl control;
    return fresnelToday::computeFresnel(in, control);
}

// Geometry spread over what the window is used for, now and then outside
// it: scales log-uniform, openings of a fraction of a zone to many zones.
FresnelInputs randomInputs(std::mt19937_64 &rng, int maxSteps) {
    auto uniform = [&rng](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(rng);
    };
    auto logUniform = [&](double a, double b) { return a * std::pow(b / a, uniform(0, 1)); };
    FresnelInputs in;
    in.wavelengthNm = static_cast<int>(uniform(380, 781));
    in.z1 = logUniform(0.001, 0.5);
    in.z2 = logUniform(0.0005, 0.5);
    const double zone = std::sqrt(in.wavelengthNm * 1e-9 * in.z1 * in.z2 / (in.z1 + in.z2));
    in.outerRadius = zone * logUniform(0.3, 12);
    in.innerRadius = uniform(0, 1) < 0.3 ? in.outerRadius * uniform(0, 0.9) : 0;
    in.screenRadius = zone * logUniform(0.5, 10);
    const double k = uniform(0, 1);
    in.K = k < 0.1 ? uniform(-5, 0) : (k < 0.2 ? logUniform(300, 30000) : uniform(0, 250));
    in.radialSteps = static_cast<int>(logUniform(1, maxSteps + 1));
    in.azimuthSteps = static_cast<int>(logUniform(1, maxSteps + 1));
    return in;
}

// Entries of `got` whose level is not `want`'s; the plain sum truncates its
// brightest entry, maybe to 254, where the kernels say 255.
int differing(const FresnelProfile &got, const FresnelProfile &want, bool plainPeak) {
    int n = 0;
    for (int k = 0; k < kFresnelEntries; ++k)
        n += got[k] != want[k] && !(plainPeak && got[k] == 255 && want[k] == 254);
    return n;
}

// Levels of `count` random inputs, the kernel against the old one, or both
// against the plain sum (the old kernel's count is the yardstick there).
void compareLevels(int count, bool plain) {
    std::mt19937_64 rng(20261209);
    int profiles = 0, entries = 0, oldProfiles = 0, oldEntries = 0;
    for (int n = 0; n < count; ++n) {
        const FresnelInputs in = randomInputs(rng, plain ? 60 : 300);
        const FresnelProfile got = kernel(in), old = today(in);
        const FresnelProfile want = plain ? fresnelReference(in) : old;
        const int here = differing(got, want, plain),
                  there = plain ? differing(old, want, plain) : 0;
        profiles += here > 0;
        entries += here;
        oldProfiles += there > 0;
        oldEntries += there;
        if (here > 0 || there > 0)
            std::printf("  %d (old kernel %d) entries differ: %d nm, z1 %.6Lg, z2 %.6Lg, radii "
                        "%.6Lg..%.6Lg, R %.6Lg, %d x %d, K %.6Lg\n",
                        here, there, in.wavelengthNm, in.z1, in.z2, in.innerRadius, in.outerRadius,
                        in.screenRadius, in.radialSteps, in.azimuthSteps, in.K);
    }
    std::printf("against the %s: %d of %d random profiles differ, %d entries of %d",
                plain ? "plain sum" : "old kernel", profiles, count, entries,
                count * kFresnelEntries);
    if (plain) std::printf(" (the old kernel: %d profiles, %d entries)", oldProfiles, oldEntries);
    std::printf("\n");
}

void Reference(benchmark::State &state, FresnelInputs in) {
    for (auto _ : state)
        benchmark::DoNotOptimize(fresnelReference(in));
}

// What the window runs: all cores, progress, cancellation polls.
void Kernel(benchmark::State &state, FresnelInputs in) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kernel(in));
}

// The longest wait between two progress reports in the window's tenths of
// a percent, the bar's largest pause.
void KernelProgress(benchmark::State &state, FresnelInputs in) {
    for (auto _ : state) {
        using Clock = std::chrono::steady_clock;
        Clock::time_point last = Clock::now();
        double gap = 0;
        RunControl control(
            [&](int) {
                const Clock::time_point now = Clock::now();
                gap = std::max(gap, std::chrono::duration<double, std::milli>(now - last).count());
                last = now;
            },
            1000);
        benchmark::DoNotOptimize(computeFresnel(in, control));
        state.counters["max_progress_gap_ms"] = gap;
    }
}

} // namespace

BENCHMARK_CAPTURE(Reference, defaults, steps(100))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kernel, defaults, steps(100))
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(Reference, steps1000, steps(1000))->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Kernel, steps1000, steps(1000))
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(KernelProgress, steps10000, steps(10000))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

int main(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        int n = 0;
        if (std::sscanf(argv[i], "--compare=%d", &n) == 1) {
            compareLevels(n, false);
            return 0;
        }
        if (std::sscanf(argv[i], "--reference=%d", &n) == 1) {
            compareLevels(n, true);
            return 0;
        }
    }
    const FresnelInputs defaults = steps(100), thousand = steps(1000);
    interleavedCpuRatio(
        "Fresnel 100 x 100, plain sum",
        [&] { benchmark::DoNotOptimize(fresnelReference(defaults)); },
        [&] { benchmark::DoNotOptimize(kernel(defaults)); }, 1, 9, true);
    interleavedCpuRatio(
        "Fresnel 100 x 100, old kernel", [&] { benchmark::DoNotOptimize(today(defaults)); },
        [&] { benchmark::DoNotOptimize(kernel(defaults)); }, 10, 9, true);
    interleavedCpuRatio(
        "Fresnel 1000 x 1000, old kernel", [&] { benchmark::DoNotOptimize(today(thousand)); },
        [&] { benchmark::DoNotOptimize(kernel(thousand)); }, 1, 7, true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
