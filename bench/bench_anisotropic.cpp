// One step of the anisotropic-medium animation at the window's design size:
// the fields and both pictures (vector, trace, scrolled time strip). At the
// fastest track-bar position the steps follow each other back to back.
#include "canvas/Canvas.h"
#include "polarisation/anisotropic/AnisotropicScene.h"
#include "polarisation/anisotropic/AnisotropicWave.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {
void BM_WaveStep(benchmark::State &state) {
    QImage in, out;
    clearWavePicture(in, 215, 520);
    clearWavePicture(out, 215, 520);
    const WaveParams p = waveParamsFromInputs(500, 180, 1, 2, 125, 1);
    WaveAnimation a;
    for (auto _ : state) {
        const auto s = a.step(p);
        Canvas ci(in), co(out);
        drawWaveStep(ci, s->in);
        drawWaveStep(co, s->out);
        benchmark::DoNotOptimize(in.bits());
    }
}
BENCHMARK(BM_WaveStep)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
