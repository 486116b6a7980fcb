// Reflection and refraction at a surface: the Fresnel coefficients, the
// waves and rays of a frame, the samples of a wave.
#include "polarisation/brewster/Fresnel.h"

#include <QTest>
#include <cmath>

using namespace brewster;

namespace {
bool near(double a, double b, double tol = 1e-3) {
    return std::abs(a - b) <= tol;
}

Inputs inputs(int alpha, double nPar, double nPerp, double ratio = 1, int wavelength = 500) {
    Inputs in;
    in.alphaDegrees = alpha;
    in.nPar = nPar;
    in.nPerp = nPerp;
    in.ratio = ratio;
    in.wavelength = wavelength;
    return in;
}

// Where the X component of a sampled wave crosses zero going down, nearest
// to x0 (linear between samples).
double downCrossingNear(const std::vector<WavePoint> &pts, double x0) {
    double best = 1e9;
    for (size_t i = 1; i < pts.size(); ++i) {
        const WavePoint &a = pts[i - 1], &b = pts[i];
        if (a.l > 0 && b.l <= 0) {
            const double x = a.x + (b.x - a.x) * a.l / (a.l - b.l);
            if (std::abs(x - x0) < std::abs(best - x0)) best = x;
        }
    }
    return best;
}

} // namespace

class TestFresnel : public QObject {
    Q_OBJECT
  private slots:
    void coefficients_data() {
        QTest::addColumn<int>("alpha");
        QTest::addColumn<double>("nPar");
        QTest::addColumn<double>("nPerp");
        QTest::addColumn<double>("rPar");
        QTest::addColumn<double>("rPerp");
        QTest::addColumn<double>("tPerp");
        QTest::addColumn<double>("tPar");
        QTest::newRow("defaults") << 60 << 1.3 << 1.3 << -0.069 << 0.319 << 0.9476 << 0.9976;
        QTest::newRow("normal incidence")
            << 0 << 1.3 << 1.3 << 0.1304 << 0.1304 << 0.9915 << 0.9915;
        QTest::newRow("normal incidence, two indices")
            << 0 << 1.3 << 1.6 << 0.1304 << 0.2308 << 0.9730 << 0.9915;
        QTest::newRow("index 0 counts as 1") << 45 << 0.0 << 0.0 << 0.0 << 0.0 << 1.0 << 1.0;
        QTest::newRow("negative index counts by its size")
            << 60 << -1.3 << -1.3 << -0.069 << 0.319 << 0.9476 << 0.9976;
        QTest::newRow("total reflection") << 60 << 0.5 << 0.5 << 1.0 << 1.0 << 0.0 << 0.0;
        QTest::newRow("index below 1, below the critical angle")
            << 20 << 0.5 << 0.5 << -0.2165 << -0.4408 << 0.8976 << 0.9763;
    }
    void coefficients() {
        QFETCH(int, alpha);
        QFETCH(double, nPar);
        QFETCH(double, nPerp);
        const Coefficients c = fresnel(alpha, nPar, nPerp);
        QFETCH(double, rPar);
        QFETCH(double, rPerp);
        QFETCH(double, tPerp);
        QFETCH(double, tPar);
        QVERIFY2(near(c.rPar, rPar), qPrintable(QString::number(c.rPar)));
        QVERIFY2(near(c.rPerp, rPerp), qPrintable(QString::number(c.rPerp)));
        QVERIFY2(near(c.tPerp, tPerp), qPrintable(QString::number(c.tPerp)));
        QVERIFY2(near(c.tPar, tPar), qPrintable(QString::number(c.tPar)));
    }

    // What a component does not reflect it refracts, and the rays share out
    // the incident light: none is brighter than the incident ray.
    void lightIsConserved_data() {
        QTest::addColumn<int>("alpha");
        QTest::addColumn<double>("nPar");
        QTest::addColumn<double>("nPerp");
        QTest::addColumn<double>("ratio");
        QTest::newRow("defaults") << 60 << 1.3 << 1.3 << 1.0;
        QTest::newRow("Brewster, mostly parallel") << 52 << 1.3 << 1.3 << 2.0;
        QTest::newRow("normal incidence, two indices") << 0 << 1.3 << 1.6 << 1.0;
        QTest::newRow("split") << 60 << 1.3 << 1.6 << 0.5;
        QTest::newRow("split, dense") << 30 << 2.4 << 1.1 << 3.0;
        QTest::newRow("grazing") << 89 << 1.5 << 1.5 << 1.0;
        QTest::newRow("no wave: natural light") << 45 << 1.3 << 1.3 << 0.0;
        QTest::newRow("total reflection") << 60 << 0.5 << 0.5 << 1.0;
        QTest::newRow("index below 1, below the critical angle") << 20 << 0.5 << 0.5 << -0.7;
    }
    void lightIsConserved() {
        QFETCH(int, alpha);
        QFETCH(double, nPar);
        QFETCH(double, nPerp);
        QFETCH(double, ratio);
        const Frame f = describeFrame(inputs(alpha, nPar, nPerp, ratio));
        const Wave &in = f.waves[0];
        double x = 0, y = 0, light = 0;
        for (size_t i = 1; i < f.waves.size(); ++i) {
            const Wave &w = f.waves[i];
            x += w.vx != 0 ? w.ax * w.ax : 0;
            y += w.vy != 0 ? w.ay * w.ay : 0;
            light += f.rays[i].brightness;
            QVERIFY2(f.rays[i].brightness <= 1 + 1e-12, qPrintable(QString::number(i)));
        }
        QVERIFY2(near(x, in.ax * in.ax, 1e-9), qPrintable(QString::number(x)));
        QVERIFY2(near(y, in.ay * in.ay, 1e-9), qPrintable(QString::number(y)));
        QCOMPARE(f.rays[0].brightness, 1.0);
        QVERIFY2(near(light, 1, 1e-9), qPrintable(QString::number(light)));
    }

    // Next to arctan 1.3 = 52.4 degrees the parallel component is hardly
    // reflected, and it changes sign there.
    void brewsterAngle_data() {
        QTest::addColumn<int>("alpha");
        QTest::addColumn<bool>("greenReflected");
        QTest::newRow("40") << 40 << true;
        QTest::newRow("52") << 52 << false;
        QTest::newRow("53") << 53 << false;
        QTest::newRow("60 (defaults)") << 60 << true;
    }
    void brewsterAngle() {
        QFETCH(int, alpha);
        QFETCH(bool, greenReflected);
        const Frame f = describeFrame(inputs(alpha, 1.3, 1.3));
        const Wave &reflected = f.waves[1];
        QCOMPARE(showsY(reflected), greenReflected);
        QVERIFY(showsX(reflected));
        QCOMPARE(std::abs(f.c.rPar) < 0.01, !greenReflected);
        QCOMPARE(f.c.rPar > 0, alpha < 53); // it changes sign there
    }
    void waves_data() {
        QTest::addColumn<int>("alpha");
        QTest::addColumn<double>("nPar");
        QTest::addColumn<double>("nPerp");
        // Per refracted wave: its turn, and which components it carries.
        QTest::addColumn<QList<double>>("turns");
        QTest::addColumn<QList<bool>>("hasX");
        QTest::addColumn<QList<bool>>("hasY");
        QTest::newRow("defaults: one wave")
            << 60 << 1.3 << 1.3 << QList<double>{48.23} << QList<bool>{true} << QList<bool>{true};
        QTest::newRow("two indices: split, X by the parallel index")
            << 60 << 1.3 << 1.6 << QList<double>{48.23, 57.23} << QList<bool>{true, false}
            << QList<bool>{false, true};
        QTest::newRow("two indices at normal incidence: one wave straight down")
            << 0 << 1.3 << 1.6 << QList<double>{90} << QList<bool>{true} << QList<bool>{true};
        QTest::newRow("total reflection: none")
            << 60 << 0.5 << 0.5 << QList<double>{} << QList<bool>{} << QList<bool>{};
        QTest::newRow("one component totally reflected")
            << 60 << 0.5 << 1.3 << QList<double>{48.23} << QList<bool>{false} << QList<bool>{true};
    }
    void waves() {
        QFETCH(int, alpha);
        QFETCH(double, nPar);
        QFETCH(double, nPerp);
        QFETCH(QList<double>, turns);
        QFETCH(QList<bool>, hasX);
        QFETCH(QList<bool>, hasY);
        const Frame f = describeFrame(inputs(alpha, nPar, nPerp));
        QVERIFY(f.drawn);
        QCOMPARE(int(f.waves.size()), 2 + int(turns.size()));
        QCOMPARE(f.rays.size(), f.waves.size());
        QCOMPARE(f.waves[0].turn, 90.0 - alpha);
        QVERIFY(!f.waves[0].shifted);
        QCOMPARE(f.waves[1].turn, alpha + 270.0);
        QVERIFY(f.waves[1].shifted);
        for (int i = 0; i < turns.size(); ++i) {
            const Wave &w = f.waves[size_t(2 + i)];
            QVERIFY2(near(w.turn, turns[i], 0.01), qPrintable(QString::number(w.turn)));
            QVERIFY(w.shifted); // refracted waves leave the surface
            QCOMPARE(w.vx != 0, hasX[i]);
            QCOMPARE(w.vy != 0, hasY[i]);
            QCOMPARE(f.rays[size_t(2 + i)].turn, w.turn);
        }
    }

    void amplitudes_data() {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("ax");
        QTest::addColumn<double>("ay");
        QTest::newRow("0: no wave") << 0.0 << 0.0 << 0.0;
        QTest::newRow("1") << 1.0 << 1.0 << 1.0;
        QTest::newRow("0.5") << 0.5 << 1.0 << 0.5;
        QTest::newRow("2") << 2.0 << 0.5 << 1.0;
        QTest::newRow("huge") << 1e300 << 1e-300 << 1.0;
        QTest::newRow("-0.5") << -0.5 << 1.0 << -0.5;
        QTest::newRow("-4: mirrored, not 4 times too big") << -4.0 << 0.25 << -1.0;
        QTest::newRow("huge negative") << -1e300 << 1e-300 << -1.0;
    }
    void amplitudes() {
        QFETCH(double, ratio);
        QFETCH(double, ax);
        QFETCH(double, ay);
        const Amplitudes a = amplitudesFromRatio(ratio);
        QCOMPARE(a.x, ax);
        QCOMPARE(a.y, ay);
    }

    void ratioZeroGivesFlatLines() {
        const Frame f = describeFrame(inputs(60, 1.3, 1.6, 0));
        QCOMPARE(int(f.waves.size()), 4);
        for (const Wave &w : f.waves) {
            QVERIFY(!showsX(w) && !showsY(w));
            for (const WavePoint &p : sampleWave(w, f.e, 1.0, 3e-16))
                QVERIFY(p.l == 0 && p.h == 0);
        }
    }

    // An angle that is a non-zero multiple of 90, or no wavelength, is
    // not drawn.
    void undrawable() {
        QVERIFY(describeFrame(inputs(0, 1.3, 1.3)).drawn);
        QVERIFY(describeFrame(inputs(89, 1.3, 1.3)).drawn);
        for (int alpha : {90, 180, -90})
            QVERIFY(!describeFrame(inputs(alpha, 1.3, 1.3)).drawn);
        QVERIFY(!describeFrame(inputs(60, 1.3, 1.3, 1, 0)).drawn);
    }

    // Whatever is typed, every number reaching the picture is finite and
    // no wave leaves its 0.2 band.
    void finiteWhateverTyped() {
        const double ratios[] = {0, 1, 1e-308, 1e308, -1e308};
        const double indices[] = {0, 1e-320, 0.5, 1.3, 1e308, -1e308, -0.7};
        const int alphas[] = {0, 1, 45, 89, 95, 120, 179, 200, -45, 2147483647};
        const int wavelengths[] = {1, 500, -5, 2147483647};
        for (double q : ratios)
            for (double np : indices)
                for (double ns : {1.3, 1e-320, 1e308})
                    for (int a : alphas)
                        for (int l : wavelengths) {
                            const Frame f = describeFrame(inputs(a, np, ns, q, l));
                            QVERIFY(std::isfinite(f.e));
                            for (const Ray &r : f.rays)
                                QVERIFY(std::isfinite(r.turn) && std::isfinite(r.brightness));
                            for (const Wave &w : f.waves) {
                                QVERIFY(std::isfinite(w.turn));
                                QVERIFY(std::abs(w.ax) <= 1 && std::abs(w.ay) <= 1);
                                for (const WavePoint &p : sampleWave(w, f.e, f.phi, 7e-14))
                                    QVERIFY(std::abs(p.l) <= 0.2 && std::abs(p.h) <= 0.2);
                            }
                        }
    }

    // At 500 nm a period takes 50 frames and the incident wave runs towards
    // the surface (x = 0), 0.3 per period.
    void incidentWaveMovesTowardsTheSurface() {
        const Frame f = describeFrame(inputs(60, 1.3, 1.3));
        const Wave &w = f.waves[0];
        const auto now = sampleWave(w, f.e, 0, 0);
        const auto half = sampleWave(w, f.e, 0, 25 * kTimeStep);
        for (size_t i = 0; i < now.size(); ++i)
            QVERIFY(near(half[i].l, -now[i].l, 1e-6));
        const double x0 = downCrossingNear(now, -1.5);
        const double x5 = downCrossingNear(sampleWave(w, f.e, 0, 5 * kTimeStep), x0 + 0.03);
        QVERIFY2(near(x5 - x0, 0.03, 0.003), qPrintable(QString::number(x5 - x0)));
    }

    void rayColours_data() {
        QTest::addColumn<int>("wavelength");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::newRow("700") << 700 << 255 << 81 << 0;
        QTest::newRow("600") << 600 << 222 << 255 << 0;
        QTest::newRow("500") << 500 << 0 << 143 << 255;
        QTest::newRow("400") << 400 << 255 << 0 << 255;
    }
    void rayColours() {
        QFETCH(int, wavelength);
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        const Frame f = describeFrame(inputs(60, 1.3, 1.3, 1, wavelength));
        QCOMPARE(f.colour, (Rgb{r, g, b}));
        const RayColour full = rayColour(f.colour, 1), half = rayColour(f.colour, 0.5);
        QCOMPARE(qRound(full.r * 255), r);
        QCOMPARE(qRound(full.g * 255), g);
        QCOMPARE(qRound(full.b * 255), b);
        QVERIFY(near(half.g, g / 510.0, 1e-6));
    }
};

QTEST_APPLESS_MAIN(TestFresnel)
#include "tst_fresnel.moc"
