// One 100 ms tick of the microparticle window at the largest rate (100,000
// electrons): sampling, recording in the grid and the repaint it causes, on
// the window at its design size; against the same tick with one repaint
// request per hit; and the parts alone.
#include "atomic/microparticles/DifrPanel.h"
#include "atomic/microparticles/DifrScreen.h"
#include "atomic/microparticles/Unit51.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTabWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <climits>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr int kPerTick = electrons::kMaxRate / 10;

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

struct Fixture {
    Fixture() {
        form = std::make_unique<TForm51>();
        form->sampler.reseed(1);
        form->ComboBox2->setCurrentText(QStringLiteral("1000000"));
        form->ComboBox3->setCurrentText(QStringLiteral("30"));
        form->PageControl1->setCurrentIndex(1);
        form->show();
        form->Timer1->stop(); // ticks are driven by hand
        counter = std::make_unique<PaintCounter>(form->DifrPanel);
        settle();
    }
    // Runs the event loop until the screen has been repainted.
    void settle() {
        const int before = counter->paints;
        QElapsedTimer t;
        t.start();
        do
            QApplication::processEvents();
        while (counter->paints == before && t.elapsed() < 200);
    }
    void tick() {
        form->state.remaining = INT_MAX;
        form->Timer1Timer();
        settle();
    }
    // The same electrons with one repaint request per hit.
    void tickPerHit() {
        TDifrPanel *screen = form->DifrPanel;
        const float scale = *electrons::scaleFor(30);
        const QPoint centre(screen->width() / 2, screen->height() / 2);
        for (int n = 0; n < kPerTick; ++n) {
            const electrons::Landing hit = form->sampler.next(scale);
            if (screen->AddHit(hit.dx, hit.dy))
                screen->update(QRect(centre + QPoint(hit.dx - 1, hit.dy - 1), QSize(3, 3)));
        }
        settle();
    }
    std::unique_ptr<TForm51> form;
    std::unique_ptr<PaintCounter> counter;
};

// Made by the first case that needs it and destroyed before the
// application: a window outliving it crashed at exit.
std::unique_ptr<Fixture> theFixture;
Fixture &fixture() {
    if (!theFixture) theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

void BM_TickLargestRate(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state)
        f.tick();
    state.counters["electrons"] = kPerTick;
}
BENCHMARK(BM_TickLargestRate)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TickOneRepaintPerHit(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state)
        f.tickPerHit();
}
BENCHMARK(BM_TickOneRepaintPerHit)->Unit(benchmark::kMillisecond)->UseRealTime();

// CPU time of this thread, which samples, records and paints; wall time
// would add the platform's wait between repaints.
double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Reference and coalesced ticks timed alternately; the median ratio.
void BM_InterleavedRatio(benchmark::State &state) {
    Fixture &f = fixture();
    std::vector<double> ratios, fast;
    for (auto _ : state) {
        double t = threadSeconds();
        f.tickPerHit();
        const double ref = threadSeconds() - t;
        t = threadSeconds();
        f.tick();
        const double ours = threadSeconds() - t;
        ratios.push_back(ref / ours);
        fast.push_back(ours * 1e3);
    }
    std::sort(ratios.begin(), ratios.end());
    std::sort(fast.begin(), fast.end());
    state.counters["median_ratio"] = ratios[ratios.size() / 2];
    state.counters["median_tick_ms"] = fast[fast.size() / 2];
}
BENCHMARK(BM_InterleavedRatio)->Unit(benchmark::kMillisecond)->Iterations(7)->UseRealTime();

void BM_Sample(benchmark::State &state) {
    electrons::ElectronSampler sampler(1);
    const float scale = *electrons::scaleFor(30);
    for (auto _ : state)
        for (int n = 0; n < kPerTick; ++n)
            benchmark::DoNotOptimize(sampler.next(scale));
}
BENCHMARK(BM_Sample)->Unit(benchmark::kMillisecond);

// Repainting the whole screen at the design size from a full pattern.
void BM_RenderWholeScreen(benchmark::State &state) {
    const QSize size(620, 395);
    electrons::HitGrid grid;
    electrons::ElectronSampler sampler(1);
    const float scale = *electrons::scaleFor(30);
    for (int n = 0; n < 1000000; ++n) {
        const electrons::Landing hit = sampler.next(scale);
        grid.add(hit.dx, hit.dy, size.width(), size.height());
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(
            renderHits(grid, size, QRect(QPoint(0, 0), size), 0xFFFFFFFF, 0xFF000000));
}
BENCHMARK(BM_RenderWholeScreen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theFixture.reset();
    return 0;
}
