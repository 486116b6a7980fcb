// The prism's geometry and the trace of the 63-ray fan, without widgets.
#include "geometric/prism/PrismTrace.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(prism::Point)

namespace {

const prism::Frame kDesign = prism::frameFor(570, 320, 568, 318);

prism::Trace atStart(double n, double D) {
    return prism::trace(kDesign, 27, 174, n, D);
}

} // namespace

class TestPrismTrace : public QObject {
    Q_OBJECT
  private slots:
    void designFrame() {
        const prism::Frame &f = kDesign;
        QCOMPARE(f.a, 61);
        QCOMPARE(f.b, 318);
        QCOMPARE(f.c, 122);
        QCOMPARE(f.d, 291);
        QCOMPARE(f.e, 111);
        QCOMPARE((prism::Point{f.apexX, f.apexY}), (prism::Point{285, 63}));
        QCOMPARE((prism::Point{f.rightX, f.baseY}), (prism::Point{391, 230}));
        QCOMPARE((prism::Point{f.leftX, f.baseY}), (prism::Point{179, 230}));
    }

    void startFan() {
        const prism::Trace t = atStart(1.3, 10);
        QVERIFY(t.prismShown && t.beamShown);
        QVERIFY(std::fabs(double(t.theta) * 180 / M_PI - 3.98) < 0.01);
        QCOMPARE(t.count, 63);
        QCOMPARE(t.entry, (prism::Point{224, 160}));
        const prism::Ray &red = t.rays[0], &last = t.rays[62];
        QVERIFY(std::fabs(double(red.n) - 1.281) < 1e-9);
        QVERIFY(std::fabs(double(last.n) - 1.3182) < 1e-9);
        QCOMPARE(red.exit, (prism::Point{351, 168}));
        QCOMPARE(red.end, (prism::Point{657, 248}));
        QCOMPARE(last.exit, (prism::Point{352, 170}));
        QCOMPARE(last.end, (prism::Point{653, 264}));
        QVERIFY(!t.anyTotallyReflected);
        const auto colours = spectralfan::colours();
        for (int k = 0; k < 63; ++k)
            QCOMPARE(t.rays[std::size_t(k)].colour, colours[std::size_t(k)]);
    }

    // Violet is deviated most: the ends move down the fan ray by ray.
    void violetDeviatedMost() {
        const prism::Trace t = atStart(1.5, 40);
        for (int k = 1; k < t.count; ++k)
            QVERIFY(t.rays[std::size_t(k)].end.y >= t.rays[std::size_t(k - 1)].end.y);
        QVERIFY(t.rays[62].end.y > t.rays[0].end.y + 10);
    }

    void denseGlassReflectsEverything() {
        const prism::Trace t = atStart(1.7, 10);
        QVERIFY(t.anyTotallyReflected);
        for (int k = 0; k < t.count; ++k) {
            QVERIFY(t.rays[std::size_t(k)].entered);
            QVERIFY(t.rays[std::size_t(k)].totallyReflected);
        }
    }

    // With nothing to disperse, every ray is the same white ray.
    void whiteFan_data() {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("D");
        QTest::newRow("index 1, any dispersion") << 1.0 << 300.0;
        QTest::newRow("no dispersion") << 1.4 << 0.0;
    }
    void whiteFan() {
        QFETCH(double, n);
        QFETCH(double, D);
        const prism::Trace t = atStart(n, D);
        QCOMPARE(t.count, 63);
        for (int k = 0; k < t.count; ++k) {
            const prism::Ray &r = t.rays[std::size_t(k)];
            QCOMPARE(r.colour, (Rgb{255, 255, 255}));
            QCOMPARE(r.end, t.rays[0].end);
            QCOMPARE(r.exit, t.rays[0].exit);
        }
    }

    void belowIndexOneOnlyBackground_data() {
        QTest::addColumn<double>("n");
        QTest::newRow("0.9") << 0.9;
        QTest::newRow("letters read as 0") << 0.0;
        QTest::newRow("negative") << -1.3;
    }
    void belowIndexOneOnlyBackground() {
        QFETCH(double, n);
        const prism::Trace t = atStart(n, 10);
        QVERIFY(!t.prismShown);
        QCOMPARE(t.count, 0);
    }

    // A lamp at or right of the aiming point gives the beam no direction.
    void lampPastTheAimingPoint_data() {
        QTest::addColumn<int>("Sx");
        QTest::newRow("at the aiming point") << 285 - 57;
        QTest::newRow("right of it") << 400;
    }
    void lampPastTheAimingPoint() {
        QFETCH(int, Sx);
        const prism::Trace t = prism::trace(kDesign, Sx, 174, 1.3, 10);
        QVERIFY(t.prismShown);
        QVERIFY(!t.beamShown);
        QCOMPARE(t.count, 0);
        QVERIFY(!t.anyTotallyReflected);
        // One pixel further left the beam has a direction again.
        if (Sx == 285 - 57) QVERIFY(prism::trace(kDesign, Sx - 1, 174, 1.3, 10).beamShown);
    }

    // A strong fan around index 1 has rays whose index is below 1: those a
    // steep beam cannot enter are left out, the rest are drawn.
    void raysThatCannotEnter() {
        const prism::Trace t = prism::trace(kDesign, 27, 300, 1.05, 3000);
        int entered = 0;
        for (int k = 0; k < t.count; ++k)
            entered += t.rays[std::size_t(k)].entered ? 1 : 0;
        QVERIFY(!t.rays[0].entered);
        QVERIFY(entered > 0 && entered < t.count);
    }

    // Absurd numbers stay within the saturated pixel range, never garbage.
    void hugeInputs_data() {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("D");
        QTest::newRow("huge index") << 1e308 << 10.0;
        QTest::newRow("huge dispersion") << 1.3 << 1e308;
        QTest::newRow("huge negative dispersion") << 1.3 << -1e308;
        QTest::newRow("tiny dispersion") << 1.3 << 1e-300;
    }
    void hugeInputs() {
        QFETCH(double, n);
        QFETCH(double, D);
        const prism::Trace t = atStart(n, D);
        QCOMPARE(t.count, 63);
        for (int k = 0; k < t.count; ++k) {
            const prism::Ray &r = t.rays[std::size_t(k)];
            if (!r.entered) continue;
            QVERIFY(std::abs(r.exit.x) < 2000 && std::abs(r.exit.y) < 2000);
            if (!r.totallyReflected) QVERIFY(std::abs(r.end.x) < 2000 && std::abs(r.end.y) < 2000);
        }
    }
};

QTEST_APPLESS_MAIN(TestPrismTrace)
#include "tst_prism_trace.moc"
