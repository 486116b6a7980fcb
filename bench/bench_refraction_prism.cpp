// One redraw of the refraction and prism pictures at the windows' design
// sizes: what a lamp drag costs per mouse move. The painters alone, and the
// windows' whole DrawScene (reading the boxes, painting, the warning).
#include "canvas/Canvas.h"
#include "geometric/prism/PrismScene.h"
#include "geometric/prism/Unit4.h"
#include "geometric/refraction/RefractionScene.h"
#include "geometric/refraction/Unit2.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

void ensureForms() {
    static bool created = false;
    if (!created) createAllForms();
    created = true;
}

void refraction(benchmark::State &state, RefractionParams p) {
    QImage bitmap(p.panelWidth, p.panelHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas canvas(bitmap);
        benchmark::DoNotOptimize(drawRefractionScene(canvas, p));
    }
}

void prismPicture(benchmark::State &state, PrismParams p) {
    QImage bitmap(p.panelWidth, p.panelHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas canvas(bitmap);
        benchmark::DoNotOptimize(drawPrismScene(canvas, p));
    }
}

void BM_RefractionGrey(benchmark::State &s) {
    refraction(s, RefractionParams());
}
void BM_RefractionFan(benchmark::State &s) {
    RefractionParams p;
    p.D1 = 30;
    p.D2 = 40;
    refraction(s, p);
}
// Total reflection of part of the fan: long reflected rays as well.
void BM_RefractionFanNearCritical(benchmark::State &s) {
    RefractionParams p;
    p.D1 = 300;
    p.lampLeft = 279 - 24 - 125;
    refraction(s, p);
}
void BM_PrismDefaults(benchmark::State &s) {
    prismPicture(s, PrismParams());
}
void BM_PrismStrongDispersion(benchmark::State &s) {
    PrismParams p;
    p.D = 60;
    prismPicture(s, p);
}
void BM_PrismAllReflected(benchmark::State &s) {
    PrismParams p;
    p.n = 1.7;
    prismPicture(s, p);
}

void BM_Form2DrawSceneFan(benchmark::State &s) {
    ensureForms();
    Form2->Edit3->setText(QStringLiteral("30"));
    for (auto _ : s)
        Form2->DrawScene();
    Form2->Edit3->setText(QStringLiteral("0"));
}
void BM_Form4DrawScene(benchmark::State &s) {
    ensureForms();
    for (auto _ : s)
        Form4->DrawScene();
}

} // namespace

BENCHMARK(BM_RefractionGrey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefractionFan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefractionFanNearCritical)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrismDefaults)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrismStrongDispersion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrismAllReflected)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Form2DrawSceneFan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Form4DrawScene)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
