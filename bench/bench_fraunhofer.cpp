// The Fraunhofer kernel against the straightforward float spreading. Run
// with --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
// so that both sides share the machine's moods.
#include "waves/FraunhoferReference.h"

#include <benchmark/benchmark.h>

namespace {

FraunhoferInputs wide() {
    FraunhoferInputs in;
    in.width = 0.2f;
    in.height = 0.15f;
    return in;
}

void Reference(benchmark::State &state, FraunhoferInputs in) {
    for (auto _ : state)
        benchmark::DoNotOptimize(fraunhoferReference(in));
}

void Kernel(benchmark::State &state, FraunhoferInputs in) {
    for (auto _ : state) {
        RunControl control;
        benchmark::DoNotOptimize(computeFraunhofer(in, control));
    }
}

} // namespace

BENCHMARK_CAPTURE(Reference, defaults, FraunhoferInputs{})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kernel, defaults, FraunhoferInputs{})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Reference, wide_opening, wide())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kernel, wide_opening, wide())->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
