// What a drag in the mirror window costs per mouse move (the whole picture
// redrawn), and what one wheel event costs on the reading page.
#include "canvas/Canvas.h"
#include "geometric/mirror/MirrorScene.h"
#include "geometric/mirror/Unit5.h"
#include "shell/Startup.h"
#include "waves/diffraction/Unit13.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

namespace {

void drawAt(benchmark::State &state, int w, int h) {
    MirrorParams p;
    p.width = w - 2;
    p.height = h - 2;
    p.fillWidth = w;
    p.fillHeight = h;
    QImage bitmap(w, h, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas canvas(bitmap);
        canvas.setBrushColor(Qt::black);
        benchmark::DoNotOptimize(drawMirrorScene(canvas, p));
    }
}

void BM_MirrorSceneDesignSize(benchmark::State &s) {
    drawAt(s, 544, 343);
}
void BM_MirrorSceneFullHd(benchmark::State &s) {
    drawAt(s, 1920, 1040);
}

// The window's handler: move the lamp, clamp, redraw, place the image.
void BM_MirrorWindowDragStep(benchmark::State &s) {
    Form5->Show();
    Form5->Image2MouseDown(QPoint(0, 0));
    int i = 0;
    for (auto _ : s) {
        ++i;
        Form5->Image2MouseMove(QPoint(-(i % 100), i % 100));
    }
    Form5->Image2MouseUp();
}

void BM_PageWheelEvent(benchmark::State &s) {
    Form13->Show();
    QWidget *target = Form13->Label7;
    int i = 0;
    for (auto _ : s) {
        const QPoint angle(0, (i++ / 20) % 2 ? 120 : -120);
        QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), angle,
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &e);
    }
}

} // namespace

BENCHMARK(BM_MirrorSceneDesignSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MirrorSceneFullHd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MirrorWindowDragStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PageWheelEvent)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    createAllForms();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
