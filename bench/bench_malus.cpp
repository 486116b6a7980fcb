// One frame of the Malus's-law scene with Mesa's software renderer, at the
// window's design size. Needs an X display (run under xvfb-run, xcb). The
// figure includes reading the 643 x 439 picture back, so it is an upper
// bound of the frame itself.
#include "polarisation/malus/Unit16.h"
#include "shell/Startup.h"
#include "widgets/Csafespinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

OpticalBench *shownBench(int theta, bool waves) {
    if (!Form16) createAllForms();
    Form16->CSafeSpinEdit2->setValue(theta);
    Form16->CheckBox2->setChecked(waves);
    if (!Form16->isVisible()) Form16->Show();
    pump(300);
    return Form16->bench();
}

void frame(benchmark::State &state, int theta, bool waves) {
    OpticalBench *b = shownBench(theta, waves);
    if (!b) {
        state.SkipWithError("no OpenGL");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(b->grabFramebuffer());
}

void BM_MalusFrameTheta0(benchmark::State &s) {
    frame(s, 0, false);
}
void BM_MalusFrameTheta60Waves(benchmark::State &s) {
    frame(s, 60, true);
}

BENCHMARK(BM_MalusFrameTheta0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MalusFrameTheta60Waves)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
