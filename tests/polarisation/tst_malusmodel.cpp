// Numbers of the Malus's-law scene: polariser angles, intensities, waves,
// and the steps of the angle.
#include "polarisation/malus/MalusModel.h"

#include <QTest>
#include <climits>
#include <cmath>
#include <numbers>

using namespace malus;

class TestMalusModel : public QObject {
    Q_OBJECT
  private slots:
    void angles_data() {
        QTest::addColumn<double>("theta");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::newRow("45 fixed: only the second turns") << 45.0 << true << 0.0 << 45.0;
        QTest::newRow("45 free: 22.5 each way") << 45.0 << false << -22.5 << 22.5;
        QTest::newRow("0 free") << 0.0 << false << 0.0 << 0.0;
        QTest::newRow("90 fixed") << 90.0 << true << 0.0 << 90.0;
    }
    void angles() {
        QFETCH(double, theta);
        QFETCH(bool, fixed);
        QFETCH(double, first);
        QFETCH(double, second);
        const auto p = polariserAngles(theta, fixed);
        const double k = 180 / std::numbers::pi;
        QVERIFY(std::abs(p.first * k - first) < 1e-9);
        QVERIFY(std::abs(p.second * k - second) < 1e-9);
    }

    void intensity() {
        QCOMPARE(intensityBehind(0), 0.5);
        QVERIFY(intensityBehind(90) < 1e-30);
        QVERIFY(std::abs(intensityBehind(60) - 0.125) < 1e-12);
        // Repeats every 180 degrees, even far up the automatic rotation.
        QVERIFY(std::abs(intensityBehind(9999960) - intensityBehind(60)) < 1e-9);
    }

    // No wave behind the second polariser from about 76 to 104 degrees.
    void waveThresholdBand() {
        for (int t = 0; t <= 180; ++t) {
            const bool dark = intensityBehind(t) <= kWaveThreshold;
            QCOMPARE(dark, t >= 76 && t <= 104);
        }
    }

    void beamLayersFollowIntensity() {
        const auto full = beamLayers(1), half = beamLayers(0.5), off = beamLayers(0);
        QCOMPARE(int(full.size()), 10);
        QCOMPARE(full.front().scale, 0.f);
        QVERIFY(std::abs(full.back().scale - 0.9f) < 1e-5f);
        QVERIFY(std::abs(full[0].r - 0.9f) < 1e-6f);
        QVERIFY(std::abs(half[0].r - 0.45f) < 1e-6f);
        QCOMPARE(off[5].r, 0.f);
        // Inner layers are the most opaque: the core is brightest.
        for (size_t i = 1; i < full.size(); ++i)
            QVERIFY(full[i].alpha < full[i - 1].alpha);
        QCOMPARE(full[0].alpha, 0.3f);
    }

    void waveSamples() {
        const auto w = waveSegments(-0.5, 0.5, 1, 0, 0);
        QVERIFY(w.size() >= 48 && w.size() <= 50);
        for (const auto &s : w) {
            QVERIFY(s.to.x >= -0.5 && s.to.x <= 0.5 + 1e-9);
            QCOMPARE(s.to.z, 0.0); // all along Y
            QVERIFY(std::abs(s.to.y) <= 0.2 + 1e-12);
            QCOMPARE(s.axis.x, s.to.x); // hatch from the axis
            QVERIFY(std::abs(s.to.x - s.from.x - 0.02) < 1e-9);
        }
        // A long wave is sampled in counted steps, not endlessly.
        QVERIFY(waveSegments(0.5, 100, 0.3, 0.3, 7).size() < 5000);
        QVERIFY(waveSegments(1, 0, 1, 1, 0).empty());
        QVERIFY(waveSegments(0, INFINITY, 1, 1, 0).empty());
    }

    // The wave moves towards +x as T grows: one period is 30 steps of 0.1.
    void waveTravels() {
        const auto a = waveSegments(0.0, 0.3, 1, 0, 0), b = waveSegments(0.0, 0.3, 1, 0, 3.0);
        QCOMPARE(a.size(), b.size());
        for (size_t i = 0; i < a.size(); ++i)
            QVERIFY(std::abs(a[i].to.y - b[i].to.y) < 1e-9);
        // Two frames later the shape has moved one sample (0.02) forward.
        const auto c = waveSegments(0.0, 0.3, 1, 0, 0.2);
        for (size_t i = 0; i + 1 < a.size(); ++i)
            QVERIFY(std::abs(c[i + 1].to.y - a[i].to.y) < 1e-9);
    }

    void amplitude() {
        double ay = 0, az = 0;
        waveAmplitude(0.5, 0, ay, az);
        QVERIFY(std::abs(ay - 0.5) < 1e-12 && std::abs(az - 0.5) < 1e-12);
        waveAmplitude(-1, 0, ay, az); // never the root of a negative
        QCOMPARE(ay, 0.0);
    }

    void thetaSteps_data() {
        QTest::addColumn<int>("theta");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("wheel");
        QTest::newRow("wheel down at 0 stays") << 0 << false << 0;
        QTest::newRow("wheel down at 1") << 1 << false << 0;
        QTest::newRow("wheel up") << 0 << true << 1;
        QTest::newRow("wheel up at int max") << INT_MAX << true << INT_MAX;
    }
    void thetaSteps() {
        QFETCH(int, theta);
        QFETCH(bool, up);
        QFETCH(int, wheel);
        QCOMPARE(wheelTheta(theta, up), wheel);
    }

    void autoRotationWrapsAtMaximum() {
        QCOMPARE(nextAutoTheta(5, 0, 9999999), 6);
        QCOMPARE(nextAutoTheta(9999998, 0, 9999999), 0);
    }
};

QTEST_APPLESS_MAIN(TestMalusModel)
#include "tst_malusmodel.moc"
