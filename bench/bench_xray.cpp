// One X-ray spectrum curve: the model alone (about 6,000 samples of seven
// lines and the continuum) and the whole drawing on a bitmap of the
// window's design size; and the illustrations drawn at start-up.
#include "atomic/xray/XrayPictures.h"
#include "atomic/xray/XraySpectrumPlot.h"
#include "canvas/Canvas.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 575; // the picture at the window's design size
constexpr int kHeight = 389;

void BM_SpectrumSamples(benchmark::State &state) {
    const Break_x::XraySpectrum spectrum(*Break_x::ElementAt(Break_x::FindElement("U")),
                                         static_cast<int>(state.range(0)));
    long samples = 0;
    for (auto _ : state) {
        long double sum = 0;
        spectrum.forEachSample([&](long double, long double i) {
            sum += i;
            ++samples;
        });
        benchmark::DoNotOptimize(sum);
    }
    state.counters["segments"] = benchmark::Counter(double(samples) / double(state.iterations()));
}
BENCHMARK(BM_SpectrumSamples)->Arg(11000)->Arg(115000)->Unit(benchmark::kMicrosecond);

void BM_DrawRadiationGraphic(benchmark::State &state) {
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    Canvas canvas(img);
    Break_x::XrayState xray;
    xray.V = static_cast<int>(state.range(0));
    const auto uranium = static_cast<std::uint8_t>(Break_x::FindElement("U"));
    for (auto _ : state) {
        Break_x::DrawRadiationGraphic(xray, uranium, canvas, kWidth, kHeight);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawRadiationGraphic)->Arg(11000)->Arg(115000)->Unit(benchmark::kMicrosecond);

// The two illustrations are drawn when the window is created, at start-up.
void BM_TubePictures(benchmark::State &state) {
    for (auto _ : state) {
        QImage tube = drawTubeDiagram();
        QImage stand = drawTubeOnStand();
        benchmark::DoNotOptimize(tube.constBits());
        benchmark::DoNotOptimize(stand.constBits());
    }
}
BENCHMARK(BM_TubePictures)->Unit(benchmark::kMicrosecond);

} // namespace

// Text on a bitmap needs the GUI application (no screen: offscreen platform).
int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
