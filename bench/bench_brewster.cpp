// One frame of the reflection and refraction scene with Mesa's software
// renderer, at the window's design size. Needs an X display (run under
// xvfb-run, xcb). The figure includes reading the 446 x 361 picture back,
// so it is an upper bound of the frame itself.
#include "polarisation/brewster/Unit14.h"
#include "shell/Startup.h"
#include "widgets/Csafespinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Setup {
    bool everything = false; // every option ticked
    bool split = false;      // two indices: four waves
};

OpticalBench *shownBench(Setup s) {
    if (!Form14) createAllForms();
    for (QCheckBox *c :
         {Form14->CheckBox5, Form14->CheckBox7, Form14->CheckBox8, Form14->CheckBox4})
        c->setChecked(s.everything);
    Form14->Edit3->setText(s.split ? QStringLiteral("1.6") : QStringLiteral("1.3"));
    if (!Form14->isVisible()) Form14->Show();
    pump(300);
    return Form14->bench();
}

void frame(benchmark::State &state, Setup s) {
    OpticalBench *b = shownBench(s);
    if (!b) {
        state.SkipWithError("no OpenGL");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(b->grabFramebuffer());
}

void BM_BrewsterFrameDefaults(benchmark::State &s) {
    frame(s, {});
}
void BM_BrewsterFrameEverything(benchmark::State &s) {
    frame(s, {true, true});
}

BENCHMARK(BM_BrewsterFrameDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrewsterFrameEverything)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
