// The electron model without any widget: how many electrons leave per tick,
// where they land (class shares, ring radii at two voltages), the hit grid's
// bounds and the plus-shaped dots of the screen's picture.
#include "atomic/microparticles/DifrScreen.h"
#include "atomic/microparticles/ElectronEmission.h"
#include "atomic/microparticles/ElectronSampler.h"
#include "atomic/microparticles/HitProbe.h"

#include <QTest>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

using namespace electrons;

namespace {

constexpr QRgb kDot = 0xFFFFFFFF, kBack = 0xFF000000;

// Counts per tick while emitting, for `ticks` ticks.
std::vector<int> run(EmissionState &s, int rate, int ticks) {
    std::vector<int> out;
    for (int t = 0; t < ticks; ++t)
        out.push_back(emitting(s) ? takeTick(s, rate) : 0);
    return out;
}

struct ClassStats {
    std::array<int, kClassCount> count{};
    std::array<double, kClassCount> radiusSum{};
    std::array<double, kClassCount> radiusMax{};
};

ClassStats sample(int kilovolts, int electronsCount, std::uint32_t seed) {
    ElectronSampler sampler(seed);
    const float scale = *scaleFor(kilovolts);
    ClassStats st;
    for (int n = 0; n < electronsCount; ++n) {
        const Landing hit = sampler.next(scale);
        const int k = static_cast<int>(hit.kind);
        const double r = std::hypot(hit.dx, hit.dy);
        ++st.count[k];
        st.radiusSum[k] += r;
        st.radiusMax[k] = std::max(st.radiusMax[k], r);
    }
    return st;
}

// One electron computed straight from its four draws, as described: the
// reference for the sampler's table lookups.
Landing straightforward(ElectronSampler &draws, float scale) {
    const float m = kDrawModulus;
    const float L = 2.0f * static_cast<float>(draws.draw()) / m;
    const float p = static_cast<float>(draws.draw()) / m;
    const float phi = 2.0f * std::numbers::pi_v<float> * static_cast<float>(draws.draw()) / m;
    const int s = draws.draw() % 2;
    const float r = scale * reducedRadius(L, p, s);
    return {static_cast<int>(r * std::cos(phi)), static_cast<int>(r * std::sin(phi)),
            radiusClassOf(L)};
}

bool dotAt(const QImage &img, int x, int y) {
    return img.pixel(x, y) == kDot;
}

int dots(const QImage &img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += dotAt(img, x, y);
    return n;
}

} // namespace

class TestElectronModel : public QObject {
    Q_OBJECT
  private slots:
    void ticks_data() {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QList<int>>("perTick");
        QTest::addColumn<int>("remainingAfter");
        const QList<int> nineNothingThenOne{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0};
        QTest::newRow("rate 1: one per second") << 100 << 1 << nineNothingThenOne << 99;
        QTest::newRow("rate 15: one per tick, six on the tenth")
            << 100 << 15 << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 6, 1, 1} << 83;
        QTest::newRow("remaining 3 at rate 5: three on the tenth, then stop")
            << 3 << 5 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0} << 0;
        QTest::newRow("rate 100: ten every tick") << 1000 << 100 << QList<int>(12, 10) << 880;
        QTest::newRow("negative rate emits nothing") << 100 << -50 << QList<int>(12, 0) << 100;
        QTest::newRow("typed rate beyond the largest is held there")
            << 2000000000 << 2000000000 << QList<int>(12, kMaxRate / 10)
            << 2000000000 - 12 * (kMaxRate / 10);
    }
    void ticks() {
        QFETCH(int, remaining);
        QFETCH(int, rate);
        QFETCH(QList<int>, perTick);
        QFETCH(int, remainingAfter);
        EmissionState s;
        s.remaining = remaining;
        const std::vector<int> got = run(s, rate, static_cast<int>(perTick.size()));
        QCOMPARE(QList<int>(got.begin(), got.end()), perTick);
        QCOMPARE(s.remaining, remainingAfter);
        QCOMPARE(s.total, remaining - remainingAfter);
    }

    // The rate read at a group's first tick is the one carried; raising it
    // later in the group must not take electrons back.
    void rateRaisedWithinGroupNeverGoesNegative() {
        EmissionState s;
        s.remaining = 100000;
        QCOMPARE(takeTick(s, 1), 0);
        for (int t = 1; t < 9; ++t)
            QCOMPARE(takeTick(s, 1000), 100);
        QCOMPARE(takeTick(s, 1000), 0);
        QCOMPARE(s.tickCounter, 0);
        QCOMPARE(s.remaining + s.total, 100000);
        QCOMPARE(s.total, 800);
    }

    void pauseKeepsRemainingAndCounter() {
        EmissionState s;
        s.remaining = 10;
        run(s, 1, 4);
        s.paused = true;
        QVERIFY(!emitting(s));
        QCOMPARE(run(s, 1, 20), std::vector<int>(20, 0));
        QCOMPARE(s.tickCounter, 4);
        QCOMPARE(s.remaining, 10);
        s.paused = false;
        // Resumed where it stopped: the sixth tick after it ends the group.
        QCOMPARE(run(s, 1, 6), (std::vector<int>{0, 0, 0, 0, 0, 1}));
    }

    void batches_data() {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<int>("batch");
        QTest::addColumn<int>("after");
        QTest::newRow("adds to what remains") << 5 << 10000 << 10005;
        QTest::newRow("negative adds nothing") << 5 << -100 << 5;
        QTest::newRow("saturates instead of wrapping") << 2147000000 << 10000000 << INT_MAX;
    }
    void batches() {
        QFETCH(int, remaining);
        QFETCH(int, batch);
        QFETCH(int, after);
        EmissionState s;
        s.remaining = remaining;
        addElectrons(s, batch);
        QCOMPARE(s.remaining, after);
    }

    void totalSaturates() {
        EmissionState s;
        s.total = INT_MAX - 5;
        s.remaining = 1000;
        run(s, 1000, 3);
        QCOMPARE(s.total, INT_MAX);
    }

    void scale_data() {
        QTest::addColumn<int>("kilovolts");
        QTest::addColumn<double>("scale"); // 0: none
        QTest::newRow("30 kV") << 30 << 182.48;
        QTest::newRow("20 kV") << 20 << 223.50;
        QTest::newRow("200 kV") << 200 << 70.68;
        QTest::newRow("0 kV has no finite scale") << 0 << 0.0;
        QTest::newRow("negative kV has none") << -30 << 0.0;
    }
    void scale() {
        QFETCH(int, kilovolts);
        QFETCH(double, scale);
        const std::optional<float> s = scaleFor(kilovolts);
        QCOMPARE(s.has_value(), scale > 0);
        if (s) QVERIFY2(std::abs(*s - scale) < 0.01, qPrintable(QString::number(*s)));
    }

    void radiusClasses_data() {
        QTest::addColumn<float>("L");
        QTest::addColumn<int>("kind");
        QTest::newRow("0") << 0.0f << 0;
        QTest::newRow("just below 0.375") << 0.3749f << 0;
        QTest::newRow("0.375") << 0.375f << 1;
        QTest::newRow("0.577") << 0.577f << 2;
        QTest::newRow("0.74") << 0.74f << 3;
        QTest::newRow("0.849") << 0.849f << 4;
        QTest::newRow("just below 1") << 0.9999f << 4;
        QTest::newRow("1: spot") << 1.0f << 5;
        QTest::newRow("largest draw: spot") << 2.0f * 32766 / 32767 << 5;
    }
    void radiusClasses() {
        QFETCH(float, L);
        QFETCH(int, kind);
        QCOMPARE(static_cast<int>(radiusClassOf(L)), kind);
    }

    void spreadAndSpot() {
        // Odd s widens outwards, even inwards; the spread fades with p.
        QCOMPARE(reducedRadius(0.1f, 0.0f, 1), 0.371f);
        QCOMPARE(reducedRadius(0.1f, 0.0f, 0), 0.369f);
        QVERIFY(std::abs(reducedRadius(0.9f, 0.5f, 1) - 0.83f) < 0.0001f);
        QCOMPARE(reducedRadius(1.5f, 0.5f, 0), 0.075f);
        QCOMPARE(reducedRadius(1.5f, 0.0f, 1), 0.0f);
    }

    void drawsAreReducedAndReproducible() {
        ElectronSampler a(7), b(7), c(8);
        bool differs = false;
        for (int n = 0; n < 20000; ++n) {
            const int k = a.draw();
            QVERIFY(k >= 0 && k < kDrawModulus);
            QCOMPARE(b.draw(), k);
            differs |= c.draw() != k;
        }
        QVERIFY(differs);
        a.reseed(7);
        ElectronSampler d(7);
        for (int n = 0; n < 100; ++n) {
            const Landing x = a.next(182.5f), y = d.next(182.5f);
            QCOMPARE(x.dx, y.dx);
            QCOMPARE(x.dy, y.dy);
        }
    }

    void landingsMatchTheStraightforwardComputation_data() {
        QTest::addColumn<int>("kilovolts");
        QTest::newRow("20 kV") << 20;
        QTest::newRow("30 kV") << 30;
        QTest::newRow("200 kV") << 200;
    }
    void landingsMatchTheStraightforwardComputation() {
        QFETCH(int, kilovolts);
        const float scale = *scaleFor(kilovolts);
        ElectronSampler fast(kilovolts), draws(kilovolts);
        for (int n = 0; n < 100000; ++n) {
            const Landing a = fast.next(scale), b = straightforward(draws, scale);
            if (a.dx != b.dx || a.dy != b.dy || a.kind != b.kind)
                QFAIL(qPrintable(QStringLiteral("electron %1: (%2, %3) instead of (%4, %5)")
                                     .arg(n)
                                     .arg(a.dx)
                                     .arg(a.dy)
                                     .arg(b.dx)
                                     .arg(b.dy)));
        }
    }

    void classSharesAt30kV() {
        const int count = 100000;
        const ClassStats st = sample(30, count, 2024);
        const double shares[kClassCount] = {18.75, 10.1, 8.15, 5.45, 7.55, 50.0};
        for (int k = 0; k < kClassCount; ++k) {
            const double share = 100.0 * st.count[k] / count;
            QVERIFY2(std::abs(share - shares[k]) < 1.0,
                     qPrintable(QStringLiteral("class %1: %2 %").arg(k).arg(share)));
        }
    }

    // Radii measured from the hits; truncating both offsets pulls a hit up
    // to one pixel inwards, hence the tolerance.
    void ringRadii_data() {
        QTest::addColumn<int>("kilovolts");
        QTest::addColumn<QList<double>>("radii");
        QTest::addColumn<double>("spot");
        QTest::newRow("30 kV") << 30 << QList<double>{67.5, 95.8, 116.8, 135.0, 151.5} << 27.4;
        QTest::newRow("20 kV") << 20 << QList<double>{82.7, 117.3, 143.0, 165.4, 185.5} << 33.5;
    }
    void ringRadii() {
        QFETCH(int, kilovolts);
        QFETCH(QList<double>, radii);
        QFETCH(double, spot);
        const ClassStats st = sample(kilovolts, 100000, 99);
        for (int k = 0; k < 5; ++k) {
            const double mean = st.radiusSum[k] / st.count[k];
            QVERIFY2(mean > radii[k] - 1.2 && mean < radii[k] + 0.3,
                     qPrintable(QStringLiteral("ring %1: %2").arg(k + 1).arg(mean)));
            QVERIFY(st.radiusMax[k] < radii[k] + 0.5);
        }
        const int s = static_cast<int>(RadiusClass::Spot);
        QVERIFY2(st.radiusMax[s] > spot - 1.5 && st.radiusMax[s] < spot,
                 qPrintable(QString::number(st.radiusMax[s])));
        // Densest at the middle: the inner half of the radius holds half the spot.
        QVERIFY(st.radiusSum[s] / st.count[s] < spot / 2 + 0.5);
    }

    // At 20 kV the outer ring (185.5 px) no longer fits a screen 360 px high,
    // and fits one 400 px high.
    void outerRingCutOffOnALowScreen_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("cut");
        QTest::newRow("360 high: cut off") << 360 << true;
        QTest::newRow("400 high: whole") << 400 << false;
    }
    void outerRingCutOffOnALowScreen() {
        QFETCH(int, height);
        QFETCH(bool, cut);
        ElectronSampler sampler(3);
        HitGrid grid;
        const float scale = *scaleFor(20);
        int outer = 0, recorded = 0;
        for (int n = 0; n < 20000; ++n) {
            const Landing hit = sampler.next(scale);
            if (hit.kind != RadiusClass::Ring5) continue;
            ++outer;
            recorded += grid.add(hit.dx, hit.dy, 600, height);
        }
        QVERIFY(outer > 1000);
        QCOMPARE(recorded < outer, cut);
    }

    void gridBounds_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("centre") << 0 << 0 << 600 << 400 << true;
        QTest::newRow("left edge") << -300 << 0 << 600 << 400 << true;
        QTest::newRow("right of the panel") << 300 << 0 << 600 << 400 << false;
        QTest::newRow("last row") << 0 << 199 << 600 << 400 << true;
        QTest::newRow("below the panel") << 0 << 200 << 600 << 400 << false;
        QTest::newRow("odd width keeps its last column") << 300 << 0 << 601 << 400 << true;
        QTest::newRow("1024 to the right on a wide panel") << 1024 << 0 << 3000 << 3000 << false;
        QTest::newRow("1023 to the right on a wide panel") << 1023 << 0 << 3000 << 3000 << true;
        QTest::newRow("1024 to the left on a wide panel") << -1024 << 0 << 3000 << 3000 << true;
        QTest::newRow("1025 up on a tall panel") << 0 << -1025 << 3000 << 3000 << false;
        QTest::newRow("far beyond") << INT_MAX << INT_MIN << 3000 << 3000 << false;
        QTest::newRow("empty panel") << 0 << 0 << 0 << 0 << false;
    }
    void gridBounds() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, recorded);
        HitGrid grid;
        QCOMPARE(grid.add(dx, dy, width, height), recorded);
        if (recorded) QVERIFY(grid.at(dx + 1024, dy + 1024));
    }

    // The cells exist only while there are hits; before and after, every
    // cell reads empty and nothing is held.
    void gridHoldsCellsOnlyWithHits_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<std::size_t>("bytes");
        QTest::addColumn<int>("expected");
        const std::size_t all = std::size_t(HitGrid::kSize) * HitGrid::kSize;
        QTest::newRow("no hit yet") << 0 << false << std::size_t(0) << 0;
        QTest::newRow("refused hit") << 5000 << false << std::size_t(0) << 0;
        QTest::newRow("one hit") << 3 << false << all << 1;
        QTest::newRow("cleared") << 3 << true << std::size_t(0) << 0;
    }
    void gridHoldsCellsOnlyWithHits() {
        QFETCH(int, dx);
        QFETCH(bool, cleared);
        QFETCH(std::size_t, bytes);
        QFETCH(int, expected);
        HitGrid grid;
        if (dx != 0) grid.add(dx, 0, 100, 100);
        if (cleared) grid.clear();
        QCOMPARE(grid.cellBytes(), bytes);
        QCOMPARE(grid.at(1024 + 3, 1024), expected == 1);
        QCOMPARE(hitHistogram(grid)[3], expected);
        QCOMPARE(dots(renderHits(grid, {100, 100}, QRect(0, 0, 100, 100), kDot, kBack)),
                 5 * expected);
        // A grid cleared records again.
        QVERIFY(grid.add(-2, 0, 100, 100));
        QVERIFY(grid.at(1024 - 2, 1024));
    }

    void dotIsAPlus() {
        HitGrid grid;
        QVERIFY(grid.add(5, -3, 40, 30)); // pixel (25, 12)
        const QImage img = renderHits(grid, {40, 30}, QRect(0, 0, 40, 30), kDot, kBack);
        QCOMPARE(dots(img), 5);
        for (QPoint p :
             {QPoint(25, 12), QPoint(24, 12), QPoint(26, 12), QPoint(25, 11), QPoint(25, 13)})
            QVERIFY(dotAt(img, p.x(), p.y()));
        QVERIFY(!dotAt(img, 24, 11));
    }

    // A repaint of part of the screen shows the arms of hits just outside
    // it, so partial repaints leave no seams.
    void partialAreaShowsNeighboursArms() {
        HitGrid grid;
        QVERIFY(grid.add(-1, 0, 40, 30)); // pixel (19, 15), left of the area
        QVERIFY(grid.add(0, 5, 40, 30));  // pixel (20, 20), below it
        const QImage img = renderHits(grid, {40, 30}, QRect(20, 10, 10, 10), kDot, kBack);
        QCOMPARE(img.size(), QSize(10, 10));
        QVERIFY(dotAt(img, 0, 5)); // right arm of (19, 15)
        QVERIFY(dotAt(img, 0, 9)); // top arm of (20, 20)
        QCOMPARE(dots(img), 2);
    }

    // Hits keep their place relative to the centre when the screen changes size.
    void hitsFollowTheCentre() {
        HitGrid grid;
        QVERIFY(grid.add(10, 10, 100, 100));
        const QImage big = renderHits(grid, {300, 200}, QRect(0, 0, 300, 200), kDot, kBack);
        QVERIFY(dotAt(big, 160, 110));
        const QImage small = renderHits(grid, {31, 31}, QRect(0, 0, 31, 31), kDot, kBack);
        QVERIFY(dotAt(small, 25, 25));
        QCOMPARE(dots(small), 5);
    }

    // Screens and areas larger than the grid, or beside it, read nothing
    // outside the grid.
    void areasBeyondTheGrid_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("expected");
        QTest::newRow("screen wider than the grid")
            << QSize(5000, 300) << QRect(0, 0, 5000, 300) << 10;
        QTest::newRow("area left of the screen") << QSize(100, 100) << QRect(-3000, 0, 50, 50) << 0;
        QTest::newRow("area far off") << QSize(100, 100) << QRect(3000, 3000, 20, 20) << 0;
        QTest::newRow("empty area") << QSize(100, 100) << QRect(10, 10, 0, 0) << 0;
    }
    void areasBeyondTheGrid() {
        QFETCH(QSize, screen);
        QFETCH(QRect, area);
        QFETCH(int, expected);
        HitGrid grid;
        QVERIFY(grid.add(-1024, 0, 5000, 300)); // the grid's first column
        QVERIFY(grid.add(0, 0, 100, 100));
        const QImage img = renderHits(grid, screen, area, kDot, kBack);
        QCOMPARE(img.size(), area.size());
        QCOMPARE(dots(img), expected);
    }
};

QTEST_GUILESS_MAIN(TestElectronModel)
#include "tst_electron_model.moc"
