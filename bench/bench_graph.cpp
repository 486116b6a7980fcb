// One repaint of the interference graph, whole panel, at the defaults and at
// the largest result (2^30 - 1 samples): from the block sums, and, at the
// largest size, the sample-by-sample averaging it replaces.
#include "waves/interference/InterferenceBuffer.h"
#include "waves/interference/InterferencePlot.h"
#include "waves/interference/SampleSummary.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <atomic>
#include <cmath>
#include <map>

namespace {

struct Result {
    MappedSamples samples;
    SampleSummary summary;
    int count = 0;
};

// Zero-filled pages cost nothing until written; a sine over the first
// million samples gives the curve something to show.
Result &result(int count) {
    static std::map<int, Result> cache;
    Result &r = cache[count];
    if (!r.samples) {
        r.samples = MappedSamples::allocate(std::size_t(count) * sizeof(float));
        for (int k = 0; k < std::min(count, 1 << 20); ++k)
            r.samples.data()[k] = 50.0f + 40.0f * std::sin(float(k) * 1e-3f);
        const std::atomic<bool> no{false};
        r.summary = SampleSummary::build(r.samples.data(), count, no);
        r.count = count;
    }
    return r;
}

void repaint(benchmark::State &state, bool withSummary) {
    Result &r = result(int(state.range(0)));
    QImage image(540, 300, QImage::Format_RGB32);
    GraphView v;
    v.samples = r.samples.data();
    v.summary = withSummary ? &r.summary : nullptr;
    v.count = r.count;
    v.verticalScale = 0.5L;
    v.width = image.width();
    v.height = image.height();
    v.barHeight = 16;
    for (auto _ : state) {
        drawInterferenceGraph(image, v, image.rect());
        benchmark::DoNotOptimize(image.bits());
    }
}

void BM_GraphRepaint(benchmark::State &state) {
    repaint(state, true);
}
void BM_GraphRepaintEverySample(benchmark::State &state) {
    repaint(state, false);
}

} // namespace

BENCHMARK(BM_GraphRepaint)->Arg(10000)->Arg((1 << 30) - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphRepaintEverySample)
    ->Arg((1 << 30) - 1)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
