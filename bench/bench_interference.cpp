// The interference kernel against the straightforward extended-precision sum.
#include "InterleavedCpu.h"
#include "waves/InterferenceReference.h"

#include <benchmark/benchmark.h>
#include <tuple>

namespace {

std::vector<InterferenceSource> sources(int count) {
    std::vector<InterferenceSource> list;
    for (int j = 0; j < count; ++j)
        list.push_back({(j - count / 2) * 10, 255 - (j * 37) % 200});
    return list;
}

InterferenceRequest request(int count, const char *step) {
    InterferenceRequest r;
    r.step = step;
    r.sources = sources(count);
    return r;
}

InterferenceInputs inputs(int count, const char *step) {
    return *readInterferenceInputs(request(count, step));
}

void Reference(benchmark::State &state, int count, const char *step) {
    const InterferenceInputs in = inputs(count, step);
    for (auto _ : state)
        benchmark::DoNotOptimize(interferenceReference(in));
}

// What the window runs: allocation, all cores, progress.
void Kernel(benchmark::State &state, int count, const char *step) {
    const InterferenceRequest r = request(count, step);
    const std::atomic<bool> cancel{false};
    for (auto _ : state)
        benchmark::DoNotOptimize(runInterference(
            r, [](int) {}, cancel));
}

// The vectorised rows alone on one core.
void KernelOneCore(benchmark::State &state, int count, const char *step) {
    const InterferenceInputs in = inputs(count, step);
    const InterferenceLayout l = interferenceLayout(in.ymax, in.step);
    std::vector<float> out(static_cast<std::size_t>(2 * l.samples() + 20));
    for (auto _ : state) {
        computeInterferenceRows(in, l.samples(), out.data(), 1 - l.samples(), l.samples() - 1);
        benchmark::DoNotOptimize(out.data());
    }
}

} // namespace

BENCHMARK_CAPTURE(Reference, sources2, 2, "0.0001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kernel, sources2, 2, "0.0001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KernelOneCore, sources2, 2, "0.0001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Reference, sources50, 50, "0.0001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kernel, sources50, 50, "0.0001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KernelOneCore, sources50, 50, "0.0001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Reference, sources2_step1e6, 2, "0.000001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kernel, sources2_step1e6, 2, "0.000001")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KernelOneCore, sources2_step1e6, 2, "0.000001")->Unit(benchmark::kMillisecond);

// The ratios first, interleaved round by round on this thread; then the
// timings of each case.
int main(int argc, char **argv) {
    for (const auto &[count, step, label] :
         {std::tuple{2, "0.0001", "2 sources, one thread"},
          std::tuple{50, "0.0001", "50 sources, one thread"},
          std::tuple{2, "0.000001", "2 sources, dY = 1e-6, one thread"}}) {
        const InterferenceInputs in = inputs(count, step);
        const InterferenceLayout l = interferenceLayout(in.ymax, in.step);
        std::vector<float> out(static_cast<std::size_t>(2 * l.samples() + 20));
        interleavedCpuRatio(
            label, [&] { benchmark::DoNotOptimize(interferenceReference(in)); },
            [&] {
                computeInterferenceRows(in, l.samples(), out.data(), 1 - l.samples(),
                                        l.samples() - 1);
                benchmark::DoNotOptimize(out.data());
            },
            1, 9);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
