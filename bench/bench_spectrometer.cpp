// The spectrometer's full redraw with both orders: runs of lines with equal
// ends drawn once against every line drawn; and reading spectrum.ini as the
// window does when it is created, the shipped file against one of 10 MB.
#include "Interleaved.h"
#include "canvas/Canvas.h"
#include "waves/SpectrometerReference.h"
#include "waves/spectrometer/SpectrometerScene.h"
#include "waves/spectrometer/SpectrumIni.h"
#include "widgets/DataFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>

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

// About 10 MB: 32 433 sources of three lines each, like the shipped ones.
std::string largeSpectra() {
    constexpr int kSources = 32433;
    std::string text = "[Spectrum]\nCount=" + std::to_string(kSources) + "\n";
    for (int n = 1; n <= kSources; ++n) {
        text += "\n[Spectrum_" + std::to_string(n) + "]\nTitle=Source " + std::to_string(n) +
                "\nRange_count=3\nSource_color=00C86EFF\n";
        for (int k = 1; k <= 3; ++k) {
            const std::string i = std::to_string(k), nm = std::to_string(400 + (n * 7 + k) % 370);
            text += "Begin_range_" + i + "=" + nm + "\nEnd_range_" + i + "=" + nm +
                    "\nBrightness_range_" + i + "_l1=100\nBrightness_range_" + i + "_l2=60\n";
        }
    }
    return text;
}

// What the window does at creation: read the file, list its titles.
std::size_t openSpectra(const std::string &path) {
    const IniFile ini = IniFile::load(path);
    return readSpectrumTitles(ini).size() + (ini.hasSection("Spectrum_32433") ? 1 : 0);
}

void spectraFiles() {
    const QString shipped =
        findDataFile(QStringLiteral("spectrum.ini"),
                     QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"));
    if (!QFileInfo(shipped).isFile()) {
        std::printf("spectrum.ini: no shipped file at %s (build lumivista_assets)\n",
                    qPrintable(shipped));
        return;
    }
    QTemporaryDir dir;
    const std::string large =
        QDir(dir.path()).filePath(QStringLiteral("spectrum.ini")).toStdString();
    const std::string text = largeSpectra();
    std::ofstream(large, std::ios::binary) << text;
    std::printf("spectrum.ini: shipped %s, large %.1f MB\n", qPrintable(shipped),
                static_cast<double>(text.size()) / 1e6);
    std::size_t sink = 0;
    interleavedRatio(
        "spectrum.ini, shipped vs 10 MB", [&] { sink += openSpectra(shipped.toStdString()); },
        [&] { sink += openSpectra(large); }, 1);
    benchmark::DoNotOptimize(sink);
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
    spectraFiles();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
