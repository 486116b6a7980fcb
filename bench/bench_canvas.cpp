// The drawing operations every picture is made of, on a window-sized image.
#include "canvas/Canvas.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

QImage windowImage() {
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// A hundred lines across the whole image per iteration.
void crossingLines(benchmark::State &state, Canvas &c) {
    for (auto _ : state)
        for (int i = 0; i < 100; ++i) {
            c.MoveTo(0, i * 6);
            c.LineTo(799, 599 - i * 6);
        }
    state.SetItemsProcessed(state.iterations() * 100);
}

void BM_ThinLines(benchmark::State &state) {
    QImage img = windowImage();
    Canvas c(img);
    c.setPenMode(PenMode::Xor);
    crossingLines(state, c);
}
BENCHMARK(BM_ThinLines);

void BM_DashedLines(benchmark::State &state) {
    QImage img = windowImage();
    Canvas c(img);
    c.setPenStyle(PenStyle::DashDotDot);
    crossingLines(state, c);
}
BENCHMARK(BM_DashedLines);

void BM_WideLines(benchmark::State &state) {
    QImage img = windowImage();
    Canvas c(img);
    c.setPenWidth(5);
    crossingLines(state, c);
}
BENCHMARK(BM_WideLines);

void BM_FarAwayLine(benchmark::State &state) {
    QImage img = windowImage();
    Canvas c(img);
    for (auto _ : state) {
        c.MoveTo(-1000000, -999999);
        c.LineTo(1000000, 1000000);
    }
}
BENCHMARK(BM_FarAwayLine);

void BM_FilledEllipse(benchmark::State &state) {
    QImage img = windowImage();
    Canvas c(img);
    for (auto _ : state)
        c.Ellipse(100, 50, 700, 550);
}
BENCHMARK(BM_FilledEllipse);

void BM_FloodFillWindow(benchmark::State &state) {
    QImage img = windowImage();
    Canvas c(img);
    bool flip = false;
    for (auto _ : state) {
        c.setBrushColor(flip ? Qt::white : Qt::yellow);
        c.FloodFill(400, 300, Qt::black);
        flip = !flip;
    }
}
BENCHMARK(BM_FloodFillWindow);

void BM_TextOut(benchmark::State &state) {
    QImage img = windowImage();
    Canvas c(img);
    for (auto _ : state)
        c.TextOut(20, 20, QStringLiteral("F = 12.50 см"));
}
BENCHMARK(BM_TextOut);

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
