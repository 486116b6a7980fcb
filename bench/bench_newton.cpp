// The ring profile against the step-by-step computation, and the drawing of
// the rings on the user-interface thread.
#include "Interleaved.h"
#include "canvas/Canvas.h"
#include "waves/NewtonReference.h"
#include "waves/newton/NewtonRings.h"
#include "waves/newton/NewtonScene.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

const NewtonInputs kDefaults{};
const NewtonInputs kFine{10, 0.01L, 0.0000001L, 500}; // a / h = 100,000

void Reference(benchmark::State &state, NewtonInputs in) {
    for (auto _ : state)
        benchmark::DoNotOptimize(newtonReference(in.Rc, in.a, in.h, in.wavelength));
}

void Kernel(benchmark::State &state, NewtonInputs in) {
    for (auto _ : state)
        benchmark::DoNotOptimize(computeNewtonRings(in));
}

void DrawRings(benchmark::State &state, NewtonInputs in) {
    const std::vector<int> levels = computeNewtonRings(in);
    const int n = static_cast<int>(levels.size());
    QImage img(2 * n, 2 * n, QImage::Format_RGB32);
    for (auto _ : state) {
        img.fill(Qt::black);
        Canvas c(img);
        drawNewtonRings(c, levels, true, wavelengthToRgb(500));
        benchmark::DoNotOptimize(img.bits());
    }
}

} // namespace

BENCHMARK_CAPTURE(Reference, defaults, kDefaults)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Kernel, defaults, kDefaults)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Reference, a_over_h_1e5, kFine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kernel, a_over_h_1e5, kFine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawRings, defaults_285, kDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawRings, largest_3000, (NewtonInputs{10, 0.03L, 0.00001L, 500}))
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    for (const auto &[name, in, repeat] :
         {std::tuple{"profile, defaults (n = 285)", kDefaults, 200},
          std::tuple{"profile, a / h = 100,000", kFine, 3}}) {
        interleavedRatio(
            name,
            [&] { benchmark::DoNotOptimize(newtonReference(in.Rc, in.a, in.h, in.wavelength)); },
            [&] { benchmark::DoNotOptimize(computeNewtonRings(in)); }, repeat);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
