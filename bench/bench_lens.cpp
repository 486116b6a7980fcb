// One redraw of the lens picture at the window's design size (bitmap
// 589 x 232 in a 591 x 234 panel): what a drag costs per mouse move.
#include "canvas/Canvas.h"
#include "geometric/lens/LensScene.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

void drawAtDesignSize(benchmark::State &state, LensParams p) {
    QImage bitmap(589, 232, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas canvas(bitmap);
        benchmark::DoNotOptimize(drawLensScene(canvas, p));
    }
}

LensParams with(double D, double d, double h, double a) {
    LensParams p;
    p.D = D;
    p.d = d;
    p.h = h;
    p.a = a;
    return p;
}

void BM_LensDefaults(benchmark::State &s) {
    drawAtDesignSize(s, LensParams());
}
void BM_LensDiverging(benchmark::State &s) {
    drawAtDesignSize(s, with(-5, 28, 6, 90));
}
void BM_LensTiltedAcrossFocus(benchmark::State &s) {
    drawAtDesignSize(s, with(8, 11, 6, 60));
}
void BM_LensStrong(benchmark::State &s) {
    drawAtDesignSize(s, with(100, 28, 6, 90));
}

// The lens fills the whole picture.
void BM_LensHugePower(benchmark::State &s) {
    drawAtDesignSize(s, with(1e30, 28, 6, 90));
}

} // namespace

BENCHMARK(BM_LensDefaults)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LensDiverging)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LensTiltedAcrossFocus)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LensStrong)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LensHugePower)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) {
    // Text drawing needs the font machinery of a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
