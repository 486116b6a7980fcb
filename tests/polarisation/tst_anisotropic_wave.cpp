// The anisotropic-medium model and its pictures, without any window.
#include "canvas/Canvas.h"
#include "canvas/Colours.h"
#include "polarisation/anisotropic/AnisotropicScene.h"
#include "polarisation/anisotropic/AnisotropicWave.h"

#include <QTest>
#include <cmath>

namespace {
const WaveParams kDefaults = waveParamsFromInputs(500, 180, 1, 2, 125, 1);

bool isMaroon(const QImage &img, int x, int y) {
    return QColor(img.pixel(x, y)) == colours::clMaroon;
}
// Swept by the vector: maroon, or under the current (yellow) vector.
bool isTraced(const QImage &img, int x, int y) {
    return isMaroon(img, x, y) || QColor(img.pixel(x, y)) == colours::clYellow;
}

// Runs n steps into two pictures of size w x h.
void runSteps(const WaveParams &p, int n, QImage &in, QImage &out, int w = 215, int h = 400) {
    clearWavePicture(in, w, h);
    clearWavePicture(out, w, h);
    WaveAnimation a;
    for (int i = 0; i < n; ++i) {
        const auto s = a.step(p);
        QVERIFY(s);
        Canvas ci(in), co(out);
        drawWaveStep(ci, s->in);
        drawWaveStep(co, s->out);
    }
}
} // namespace

class TestAnisotropicWave : public QObject {
    Q_OBJECT
  private slots:
    void conversions() {
        QCOMPARE(double(kDefaults.lambda0), 500e-9);
        QVERIFY(std::abs(double(kDefaults.f) - M_PI) < 1e-12);
        QCOMPARE(double(kDefaults.d), 125e-9);
        QCOMPARE(double(kDefaults.dt), 1e-17);
    }

    // Over a period the shape of each trace follows from the fields.
    void polarisationShapes_data() {
        QTest::addColumn<double>("f");
        QTest::addColumn<double>("Kx");
        QTest::addColumn<double>("Ky");
        QTest::addColumn<double>("d");
        QTest::addColumn<int>("outShape"); // 0 circle, 1 the diagonal Ey = Ex, 2 equal to in
        QTest::newRow("defaults: diagonal in, circle out") << 180.0 << 1.0 << 2.0 << 125.0 << 0;
        QTest::newRow("f 0, Kx = Ky: same diagonal") << 0.0 << 1.5 << 1.5 << 125.0 << 1;
        QTest::newRow("d 0: out equals in") << 180.0 << 1.0 << 2.0 << 0.0 << 2;
        QTest::newRow("Kx 0 is valid") << 180.0 << 0.0 << 1.0 << 125.0 << 0;
    }
    void polarisationShapes() {
        QFETCH(double, f);
        QFETCH(double, Kx);
        QFETCH(double, Ky);
        QFETCH(double, d);
        QFETCH(int, outShape);
        const WaveParams p = waveParamsFromInputs(500, f, Kx, Ky, d, 1);
        for (int i = 0; i < 167; ++i) {
            const auto w = waveFieldsAt(p, i * 1e-17L);
            QVERIFY(w);
            // The incoming wave is linear: Ey = +-Ex.
            QVERIFY(std::abs(std::abs(w->in.Ey) - std::abs(w->in.Ex)) < 1e-9);
            if (outShape == 0) QVERIFY(std::abs(w->out.r - 70) < 1e-9);
            if (outShape == 1) QVERIFY(std::abs(w->out.Ey - w->out.Ex) < 1e-9);
            if (outShape == 2) {
                QVERIFY(std::abs(w->out.Ex - w->in.Ex) < 1e-9);
                QVERIFY(std::abs(w->out.Ey - w->in.Ey) < 1e-9);
            }
        }
    }

    // A failing step leaves the state as it was and draws nothing.
    void failingStepsChangeNothing_data() {
        QTest::addColumn<double>("lambda");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("dt");
        QTest::newRow("wavelength 0") << 0.0 << 125.0 << 1.0;
        QTest::newRow("infinite thickness") << 500.0 << HUGE_VAL << 1.0;
        QTest::newRow("infinite time step") << 500.0 << 125.0 << HUGE_VAL;
        QTest::newRow("infinite wavelength and thickness") << HUGE_VAL << HUGE_VAL << 1.0;
    }
    void failingStepsChangeNothing() {
        QFETCH(double, lambda);
        QFETCH(double, d);
        QFETCH(double, dt);
        WaveAnimation a;
        QVERIFY(a.step(kDefaults));
        QVERIFY(a.step(kDefaults));
        const WaveAnimation before = a;
        const WaveParams bad = waveParamsFromInputs(lambda, 180, 1, 2, d, dt);
        const long double t0 = a.t;
        QVERIFY(!a.step(bad));
        QCOMPARE(double(a.t), double(t0));
        QCOMPARE(a.lastIn.Ex, before.lastIn.Ex);
        QCOMPARE(a.lastOut.Ey, before.lastOut.Ey);
        // A valid value lets the animation go on.
        a.t = before.t;
        QVERIFY(a.step(kDefaults));
    }

    void stepStoresPreviousPoint() {
        WaveAnimation a;
        const auto s1 = a.step(kDefaults);
        QVERIFY(s1 && !s1->in.hasPrev && !s1->out.hasPrev);
        const auto s2 = a.step(kDefaults);
        QVERIFY(s2 && s2->in.hasPrev);
        QCOMPARE(s2->in.prev.Ex, s1->in.now.Ex);
        QCOMPARE(s2->out.prev.Ey, s1->out.now.Ey);
        QCOMPARE(double(a.t), 2e-17);
    }

    // After one period the maroon trace is a diagonal line coming in and a
    // filled circle going out.
    void tracesAfterOnePeriod() {
        QImage in, out;
        runSteps(kDefaults, 168, in, out);
        const int C = 215 / 2;
        for (int k : {20, 35, 50, 60}) {
            QVERIFY2(isTraced(in, C + k, C + k), qPrintable(QString::number(k)));
            QVERIFY2(isTraced(in, C - k, C - k), qPrintable(QString::number(k)));
            QVERIFY(!isMaroon(in, C + k, C - k));
            QVERIFY(!isMaroon(in, C - k, C + k));
            for (int sx : {-1, 1})
                for (int sy : {-1, 1})
                    QVERIFY2(isTraced(out, C + sx * k * 7 / 10, C + sy * k * 7 / 10),
                             qPrintable(QString("%1 %2 %3").arg(k).arg(sx).arg(sy)));
        }
        // Nothing outside the circle of radius 70 (plus the pen).
        QVERIFY(!isMaroon(out, C + 60, C + 60));
        QVERIFY(!isMaroon(out, C + 74, C + 10));
    }

    // The strip below the square scrolls one pixel per step.
    void timePlotScrolls() {
        QImage in, out;
        const int W = 100, H = 300, Y0 = (H + W) / 2;
        runSteps(kDefaults, 1, in, out, W, H);
        QCOMPARE(QColor(in.pixel(W - 1, Y0)), colours::clAqua);
        // First step: Ex = r = 70 (red drawn over yellow), Ey = -70.
        QCOMPARE(QColor(in.pixel(W - 1, Y0 - 70)), colours::clRed);
        QCOMPARE(QColor(in.pixel(W - 1, Y0 + 70)), colours::clLime);
        QCOMPARE(QColor(in.pixel(W - 1, Y0 + 71)), colours::clLime);
        runSteps(kDefaults, 5, in, out, W, H);
        QCOMPARE(QColor(in.pixel(W - 5, Y0 + 70)), colours::clLime);
        QCOMPARE(QColor(in.pixel(W - 5, Y0)), colours::clAqua);
        QCOMPARE(QColor(in.pixel(W - 6, Y0)), colours::clBlack);
    }

    // Pictures smaller than the diagram, even empty ones, are drawn safely.
    void tinyPictures_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("empty") << QSize(0, 0);
        QTest::newRow("one pixel") << QSize(1, 1);
        QTest::newRow("wider than tall") << QSize(300, 40);
    }
    void tinyPictures() {
        QFETCH(QSize, size);
        QImage in, out;
        runSteps(kDefaults, 3, in, out, size.width(), size.height());
        QCOMPARE(in.size(), size);
    }
};

QTEST_MAIN(TestAnisotropicWave)
#include "tst_anisotropic_wave.moc"
