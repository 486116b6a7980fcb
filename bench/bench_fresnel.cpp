// The Fresnel kernel against the straightforward extended-precision sum.
// Run with --benchmark_repetitions=3 --benchmark_enable_random_interleaving=true
// so that both sides share the machine's moods; the 1000 x 1000 reference
// takes about a minute per run.
#include "waves/FresnelReference.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

FresnelInputs steps(int n) {
    FresnelInputs in;
    in.radialSteps = n;
    in.azimuthSteps = n;
    return in;
}

void Reference(benchmark::State &state, FresnelInputs in) {
    for (auto _ : state)
        benchmark::DoNotOptimize(fresnelReference(in));
}

// What the window runs: all cores, progress, cancellation polls.
void Kernel(benchmark::State &state, FresnelInputs in) {
    for (auto _ : state) {
        RunControl control;
        benchmark::DoNotOptimize(computeFresnel(in, control));
    }
}

// The longest wait between two progress reports, the bar's largest pause.
void KernelProgress(benchmark::State &state, FresnelInputs in) {
    for (auto _ : state) {
        using Clock = std::chrono::steady_clock;
        Clock::time_point last = Clock::now();
        double gap = 0;
        RunControl control([&](int) {
            const Clock::time_point now = Clock::now();
            gap = std::max(gap, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
        });
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
BENCHMARK_CAPTURE(Kernel, steps1000, steps(1000))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KernelProgress, steps10000, steps(10000))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

BENCHMARK_MAIN();
