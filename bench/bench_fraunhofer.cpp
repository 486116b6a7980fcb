// The Fraunhofer kernel against the straightforward float spreading: first
// the ratios timed interleaved (five references, five kernels, ...: one
// kernel run alone is mostly its cold start), then Google Benchmark's cases.
#include "InterleavedCpu.h"
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

int main(int argc, char **argv) {
    const FraunhoferInputs defaults{}, opening = wide();
    for (const auto &[name, in] : {std::pair{"Fraunhofer, defaults", defaults},
                                   std::pair{"Fraunhofer, opening 0.2 x 0.15 m", opening}})
        interleavedCpuRatio(
            name, [&in] { benchmark::DoNotOptimize(fraunhoferReference(in)); },
            [&in] {
                RunControl control;
                benchmark::DoNotOptimize(computeFraunhofer(in, control));
            },
            5, 9);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
