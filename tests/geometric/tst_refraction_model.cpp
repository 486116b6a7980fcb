// The physics of the refraction window without any widget: the 63-colour
// fan, Snell's law with the Fresnel shares, total internal reflection, the
// dispersion fan and the limits the dispersion boxes keep.
#include "core/SpectralFan.h"
#include "geometric/refraction/Snell.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(Rgb)

namespace {

constexpr double kDeg = 180 / 3.14159265358979323846;

// Fresnel shares worked out afresh in double: the mean of s and p.
struct Shares {
    double R, T;
};
Shares byHand(double a, double b) {
    const double s2 = std::pow(std::sin(a + b), 2);
    const double Rp = std::pow(std::tan(a - b), 2) / std::pow(std::tan(a + b), 2);
    const double Rs = std::pow(std::sin(a - b), 2) / s2;
    const double Tp = std::sin(2 * a) * std::sin(2 * b) / (s2 * std::pow(std::cos(a - b), 2));
    const double Ts = std::sin(2 * a) * std::sin(2 * b) / s2;
    const double sum = Rp + Rs + Tp + Ts;
    return {(Rp + Rs) / sum, (Tp + Ts) / sum};
}

bool finite(const snell::Pass &p) {
    return std::isfinite(p.beta) && std::isfinite(p.I.R) && std::isfinite(p.I.T);
}

} // namespace

class TestRefractionModel : public QObject {
    Q_OBJECT
  private slots:
    void fanColours_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<Rgb>("colour");
        QTest::newRow("red") << 0 << Rgb{255, 0, 0};
        QTest::newRow("last of green rising") << 16 << Rgb{255, 240, 0};
        QTest::newRow("red starts falling") << 17 << Rgb{240, 255, 15};
        QTest::newRow("last with green full") << 32 << Rgb{15, 255, 240};
        QTest::newRow("green starts falling") << 33 << Rgb{0, 240, 255};
        QTest::newRow("last blue-green") << 48 << Rgb{0, 15, 255};
        QTest::newRow("red returns") << 49 << Rgb{15, 0, 255};
        QTest::newRow("violet end") << 62 << Rgb{210, 0, 255};
    }
    void fanColours() {
        QFETCH(int, k);
        QFETCH(Rgb, colour);
        const auto all = spectralfan::colours();
        QCOMPARE(all[std::size_t(k)], colour);
    }

    void fanEndsAfter63Colours() {
        spectralfan::Walk w;
        int colours = 1;
        while (w.next()) {
            ++colours;
            QVERIFY(colours <= 100);
        }
        QCOMPARE(colours, spectralfan::kRays);
        QCOMPARE(w.colour(), (Rgb{225, 0, 255})); // the stop value, never drawn
        QCOMPARE(spectralfan::offset(0), -190);
        QCOMPARE(spectralfan::offset(62), 182);
    }

    void startAngles() {
        const snell::Trace t = snell::trace(79, 104, 1.3, 1, 0, 0);
        QVERIFY(t.raysShown);
        QCOMPARE(t.count, 1);
        QVERIFY(std::fabs(t.alpha * kDeg - 37.22) < 0.01);
        QVERIFY(std::fabs(t.passes[0].beta * kDeg - 51.85) < 0.01);
    }

    // One grey refracted ray and a dimmer grey reflected one, each as
    // bright as its Fresnel share.
    void greyRaysFollowFresnel_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<double>("n1");
        QTest::addColumn<double>("n2");
        QTest::newRow("start") << 79 << 1.3 << 1.0;
        QTest::newRow("into denser glass") << 79 << 1.0 << 1.5;
        QTest::newRow("lamp right of the normal") << -150 << 1.0 << 1.33;
        QTest::newRow("just below critical") << 120 << 1.3 << 1.0;
    }
    void greyRaysFollowFresnel() {
        QFETCH(int, dx);
        QFETCH(double, n1);
        QFETCH(double, n2);
        const snell::Pass p = snell::trace(dx, 104, n1, n2, 0, 0).passes[0];
        const double a = std::atan(dx / 104.0), b = std::asin(std::sin(a) * n1 / n2);
        const Shares s = byHand(a, b);
        QVERIFY(std::fabs(p.beta - b) < 1e-5);
        QVERIFY2(std::fabs(p.I.R - s.R) < 1e-5, qPrintable(QString::number(p.I.R)));
        QVERIFY(std::fabs(p.I.T - s.T) < 1e-5);
        QVERIFY(p.drawRefracted && p.drawReflected);
        const int grey = p.refracted.red, dim = p.reflected.red;
        QVERIFY(std::abs(grey - int(s.T * 255)) <= 1);
        QVERIFY(std::abs(dim - int(s.R * 255)) <= 1);
        QCOMPARE(p.refracted, (Rgb{grey, grey, grey}));
        QCOMPARE(p.reflected, (Rgb{dim, dim, dim}));
    }

    void beyondCriticalOnlyReflects_data() {
        QTest::addColumn<int>("dx");
        QTest::newRow("50.5 deg") << 127;
        QTest::newRow("60 deg") << 180;
        QTest::newRow("lamp on the other side") << -200;
    }
    void beyondCriticalOnlyReflects() {
        QFETCH(int, dx);
        const snell::Pass p = snell::trace(dx, 104, 1.3, 1, 0, 0).passes[0];
        QVERIFY(p.totallyReflected);
        QVERIFY(!p.drawRefracted);
        QVERIFY(p.drawReflected);
        QCOMPARE(p.reflected, (Rgb{255, 255, 255}));
    }

    // Each ray of the fan has its own index, red lowest, and carries its
    // colour of the walk scaled by its transmitted share.
    void dispersionFan_data() {
        QTest::addColumn<double>("D1");
        QTest::addColumn<double>("D2");
        QTest::newRow("upper medium") << 30.0 << 0.0;
        QTest::newRow("lower medium") << 0.0 << 40.0;
        QTest::newRow("both") << 30.0 << 40.0;
        QTest::newRow("negative") << -30.0 << 0.0;
    }
    void dispersionFan() {
        QFETCH(double, D1);
        QFETCH(double, D2);
        const snell::Trace t = snell::trace(79, 104, 1.3, 1, D1, D2);
        QCOMPARE(t.count, spectralfan::kRays);
        const auto colours = spectralfan::colours();
        for (int k : {0, 16, 17, 32, 33, 48, 49, 62}) {
            const snell::Pass &p = t.passes[std::size_t(k)];
            QVERIFY(std::fabs(p.n1 - (1.3 + D1 * 1e-5 * spectralfan::offset(k))) < 1e-5);
            QVERIFY(std::fabs(p.n2 - (1.0 + D2 * 1e-5 * spectralfan::offset(k))) < 1e-5);
            const Rgb c = colours[std::size_t(k)];
            QCOMPARE(p.refracted, (Rgb{int(p.I.T * float(c.red)), int(p.I.T * float(c.green)),
                                       int(p.I.T * float(c.blue))}));
        }
    }

    void violetEndTotallyReflectedFirst() {
        // 50.24 deg: between the critical angles of the fan's two ends.
        const snell::Trace t = snell::trace(125, 104, 1.3, 1, 300, 0);
        QVERIFY(!t.passes[0].totallyReflected);
        QVERIFY(t.passes[0].drawRefracted);
        QVERIFY(t.passes[62].totallyReflected);
        QVERIFY(!t.passes[62].drawRefracted);
        // The refracted fan loses its violet end in one piece.
        int lost = 0;
        for (int k = 0; k < t.count; ++k) {
            const bool gone = t.passes[std::size_t(k)].totallyReflected;
            if (gone)
                ++lost;
            else
                QCOMPARE(lost, 0);
        }
        QVERIFY(lost > 0 && lost < t.count);
    }

    // No index, no lamp above the boundary, absurd numbers: at most the
    // incident ray, and never a non-finite number for the drawing.
    void oddInputs_data() {
        QTest::addColumn<int>("dy");
        QTest::addColumn<double>("n1");
        QTest::addColumn<double>("n2");
        QTest::addColumn<double>("D1");
        QTest::addColumn<bool>("raysShown");
        QTest::newRow("n2 zero (empty box)") << 104 << 1.3 << 0.0 << 0.0 << false;
        QTest::newRow("n2 negative") << 104 << 1.3 << -5.0 << 0.0 << false;
        QTest::newRow("n1 negative") << 104 << -5.0 << 1.0 << 0.0 << false;
        QTest::newRow("lamp on the boundary") << 0 << 1.3 << 1.0 << 0.0 << false;
        QTest::newRow("lamp below the boundary") << -20 << 1.3 << 1.0 << 0.0 << false;
        QTest::newRow("huge n1") << 104 << 1e308 << 1.0 << 0.0 << true;
        QTest::newRow("huge n2") << 104 << 1.3 << 1e308 << 0.0 << true;
        QTest::newRow("huge dispersion") << 104 << 1.3 << 1.0 << 1e308 << true;
        QTest::newRow("huge negative dispersion") << 104 << 1.3 << 1.0 << -1e308 << true;
    }
    void oddInputs() {
        QFETCH(int, dy);
        QFETCH(double, n1);
        QFETCH(double, n2);
        QFETCH(double, D1);
        QFETCH(bool, raysShown);
        const snell::Trace t = snell::trace(79, dy, n1, n2, D1, 0);
        QCOMPARE(t.raysShown, raysShown);
        QVERIFY(std::isfinite(t.alpha));
        for (int k = 0; k < t.count; ++k)
            QVERIFY(finite(t.passes[std::size_t(k)]));
    }

    void dispersionLimit_data() {
        QTest::addColumn<double>("D");
        QTest::addColumn<double>("n");
        QTest::addColumn<long long>("limited"); // -1: kept
        QTest::newRow("1000 with 1.3") << 1000.0 << 1.3 << 650LL;
        QTest::newRow("600 with 1") << 600.0 << 1.0 << 500LL;
        QTest::newRow("at the limit") << 650.0 << 1.3 << -1LL;
        QTest::newRow("small") << 10.0 << 1.3 << -1LL;
        QTest::newRow("no index") << 5.0 << 0.0 << 0LL;
        QTest::newRow("negative index gives no negative dispersion") << 0.0 << -5.0 << 0LL;
        QTest::newRow("negative dispersion kept") << -30.0 << 1.3 << -1LL;
        QTest::newRow("huge index and dispersion") << 1e308 << 1e300 << 9000000000000000000LL;
    }
    void dispersionLimit() {
        QFETCH(double, D);
        QFETCH(double, n);
        QFETCH(long long, limited);
        const auto v = spectralfan::dispersionLimit(D, n);
        QCOMPARE(v.has_value(), limited != -1);
        if (v) QCOMPARE(*v, limited);
    }
};

QTEST_APPLESS_MAIN(TestRefractionModel)
#include "tst_refraction_model.moc"
