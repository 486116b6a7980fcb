// One animation tick of the focal-length and Huygens windows at design size:
// both timers run every 50 ms on the user-interface thread, so a tick must
// stay far below that. The pictures alone (painters), the whole tick of the
// windows, and the Huygens picture for beams far wider than the view, with
// drawing only the rays in view timed against drawing every ray.
#include "canvas/Canvas.h"
#include "geometric/focal/FocalScene.h"
#include "geometric/focal/Unit6.h"
#include "geometric/huygens/HuygensScene.h"
#include "geometric/huygens/Unit15.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

void focalPicture(benchmark::State &state, int F, int P) {
    FocalParams p;
    p.F = F;
    p.P = P;
    QImage bitmap(p.panelWidth, p.panelHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas canvas(bitmap);
        benchmark::DoNotOptimize(drawFocalScene(canvas, p));
    }
}

huygens::Inputs huygensInputs(int t, float n2, int spacing = 10, int width = 100, int theta = 30,
                              float n1 = 1.3f) {
    huygens::Inputs in;
    in.t = t;
    in.n1 = n1;
    in.n2 = n2;
    in.spacing = spacing;
    in.width = width;
    in.thetaDegrees = theta;
    return in;
}

void huygensPicture(benchmark::State &state, huygens::Inputs in, bool everyRay = false) {
    QImage bitmap(1600, 1200, QImage::Format_RGB32);
    QImage view(bitmap.bits(), in.W, in.H, bitmap.bytesPerLine(), QImage::Format_RGB32);
    int rays = 0;
    for (auto _ : state) {
        Canvas canvas(view);
        rays = everyRay ? drawHuygensSceneAllRays(canvas, in) : drawHuygensScene(canvas, in);
        benchmark::DoNotOptimize(rays);
    }
    state.counters["rays"] = rays;
}

void BM_FocalConverging(benchmark::State &s) {
    focalPicture(s, 100, 250);
}
void BM_FocalDiverging(benchmark::State &s) {
    focalPicture(s, -100, 250);
}
void BM_FocalStrongDiverging(benchmark::State &s) {
    focalPicture(s, -10, 250);
}
void BM_HuygensArriving(benchmark::State &s) {
    huygensPicture(s, huygensInputs(230, 1.3f));
}
void BM_HuygensTwoBeamsBelow(benchmark::State &s) {
    huygensPicture(s, huygensInputs(900, 1.5f));
}
void BM_HuygensSpacing1Width9999999(benchmark::State &s) {
    huygensPicture(s, huygensInputs(3000, 1.5f, 1, huygens::kMaxSpin));
}
void BM_HuygensTheta89Width9999999(benchmark::State &s) {
    huygensPicture(s, huygensInputs(huygens::kMaxTime, 1.5f, 1, huygens::kMaxSpin, 89));
}
void BM_HuygensIndexAtSin1Degree(benchmark::State &s) {
    huygensPicture(s, huygensInputs(huygens::kMaxTime, 1.5f, 1, huygens::kMaxSpin, 1, 0.0175f));
}
void BM_HuygensIndexNearSin45Degrees(benchmark::State &s) {
    huygensPicture(s, huygensInputs(5000, 1.5f, 1, huygens::kMaxSpin, 45, 0.708f));
}

// A beam 20000 px wide at spacing 2: 10001 rays, a few hundred in view.
huygens::Inputs wide() {
    return huygensInputs(4000, 1.5f, 2, 20000, 40);
}
void BM_HuygensWideEveryRay(benchmark::State &s) {
    huygensPicture(s, wide(), true);
}
void BM_HuygensWideRaysInView(benchmark::State &s) {
    huygensPicture(s, wide());
}

void BM_Form6Tick(benchmark::State &s) {
    Form6->Show();
    Form6->F = 100;
    for (auto _ : s) {
        Form6->P = 250;
        Form6->Timer1Timer();
    }
}
void BM_Form15Tick(benchmark::State &s) {
    Form15->Show();
    Form15->Edit2->setText(QStringLiteral("1.5"));
    for (auto _ : s) {
        Form15->t = 899;
        Form15->Timer1Timer();
    }
}

} // namespace

BENCHMARK(BM_FocalConverging)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FocalDiverging)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FocalStrongDiverging)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensArriving)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensTwoBeamsBelow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensSpacing1Width9999999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensTheta89Width9999999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensIndexAtSin1Degree)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensIndexNearSin45Degrees)->Unit(benchmark::kMicrosecond);
// Interleaved: every ray, rays in view, every ray, rays in view, ...
BENCHMARK(BM_HuygensWideEveryRay)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensWideRaysInView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensWideEveryRay)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensWideRaysInView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensWideEveryRay)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuygensWideRaysInView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Form6Tick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Form15Tick)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    createAllForms();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
