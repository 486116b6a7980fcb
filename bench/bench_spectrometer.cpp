// The spectrometer's full redraw with both orders: runs of lines with equal
// ends drawn once against every line drawn.
#include "Interleaved.h"
#include "canvas/Canvas.h"
#include "waves/SpectrometerReference.h"
#include "waves/spectrometer/SpectrometerScene.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

SpectrometerParams params(bool white, int w, int h) {
    SpectrometerParams p;
    p.imageWidth = w;
    p.imageHeight = h;
    p.panelWidth = w + 2;
    p.panelHeight = h + 2;
    p.secondOrder = true;
    p.whiteLight = white;
    // Mercury's lines.
    p.source.ranges = {{404, 405, 45, 30}, {407, 408, 20, 12},  {435, 436, 80, 50},
                       {491, 491, 10, 6},  {546, 546, 100, 60}, {577, 577, 60, 35},
                       {579, 579, 60, 35}};
    return p;
}

void Redraw(benchmark::State &state, bool white, int w, int h) {
    const SpectrometerParams p = params(white, w, h);
    QImage img(p.panelWidth, p.panelHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas c(img);
        drawSpectrometerScene(c, p);
        benchmark::DoNotOptimize(img.bits());
    }
}

void EveryLine(benchmark::State &state, bool white, int w, int h) {
    const SpectrometerParams p = params(white, w, h);
    QImage img(p.panelWidth, p.panelHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        drawSpectrumReference(img, p);
        benchmark::DoNotOptimize(img.bits());
    }
}

} // namespace

BENCHMARK_CAPTURE(EveryLine, white_design, true, 681, 420)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Redraw, white_design, true, 681, 420)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Redraw, mercury_design, false, 681, 420)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EveryLine, white_1900x1000, true, 1900, 1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Redraw, white_1900x1000, true, 1900, 1000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    for (const auto &[name, w, h] :
         {std::tuple{"white light, both orders, 681 x 420", 681, 420},
          std::tuple{"white light, both orders, 1900 x 1000", 1900, 1000}}) {
        const SpectrometerParams p = params(true, w, h);
        QImage a(p.panelWidth, p.panelHeight, QImage::Format_RGB32), b = a;
        interleavedRatio(
            name, [&] { drawSpectrumReference(a, p); },
            [&] {
                Canvas c(b);
                drawSpectrometerScene(c, p);
            },
            3);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
