// The ring profile: counts, the centre's level, the kernel against the
// straightforward computation, the guards on the inputs, and the drawing.
#include "NewtonReference.h"
#include "canvas/Canvas.h"
#include "canvas/NumberText.h"
#include "core/RunControl.h"
#include "waves/newton/NewtonRings.h"
#include "waves/newton/NewtonScene.h"

#include <QGuiApplication>
#include <QTest>
#include <limits>
#include <random>

Q_DECLARE_METATYPE(NewtonProblem)

class TestNewtonRings : public QObject {
    Q_OBJECT
  private slots:
    void defaults() {
        const std::vector<int> levels = computeNewtonRings(NewtonInputs{});
        QCOMPARE(int(levels.size()), 285);
        QCOMPARE(newtonRingCount(0.01L, 0.000035L), 285LL);
    }

    // Inputs held in extended precision from their text: a / h truncates to
    // the count a double division misses by one.
    void countFromText_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("h");
        QTest::addColumn<int>("rings");
        QTest::newRow("0.01 / 0.00005") << "0.01"
                                        << "0.00005" << 200;
        QTest::newRow("0.0149 / 0.00005") << "0.0149"
                                          << "0.00005" << 298;
        QTest::newRow("defaults") << "0.01"
                                  << "0.000035" << 285;
    }
    void countFromText() {
        QFETCH(QString, a);
        QFETCH(QString, h);
        QFETCH(int, rings);
        const NewtonInputs in{10, readNumberExtended(a), readNumberExtended(h), 500};
        QCOMPARE(newtonRingCount(in.a, in.h), (long long)rings);
        QCOMPARE(int(computeNewtonRings(in).size()), rings);
        const std::string as = a.toStdString(), hs = h.toStdString();
        QVERIFY(computeNewtonRings(in) == newtonReference("10", as, hs, "500"));
    }

    void centre() {
        // At the contact point the waves add to 5, the profile peaks at 3 + 2 sqrt 2.
        QCOMPARE(double(newtonIntensity(10, 0, 1e7L)), 5.0);
        const long double top = 3 + 2 * std::sqrt(2.0L);
        QCOMPARE(static_cast<int>(5 * 255 / top), 218);
        // A step that lands a sample on the peak: delta = pi/4 at r = h.
        NewtonInputs in;
        in.Rc = 1;
        in.wavelength = 800;
        const long double t = 800e-9L / 16; // delta = 4 pi t / lambda = pi / 4
        in.h = std::sqrt(2 * in.Rc * t - t * t);
        in.a = 40 * in.h;
        const std::vector<int> levels = computeNewtonRings(in);
        QCOMPARE(levels[1], 255);
        QCOMPARE(levels[0], 218);
    }

    void matchesStraightforward_data() {
        QTest::addColumn<double>("Rc");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("lambda");
        QTest::newRow("defaults") << 10.0 << 0.01 << 0.000035 << 500.0;
        QTest::newRow("fractional wavelength") << 10.0 << 0.01 << 0.000035 << 500.5;
        QTest::newRow("step divides the radius") << 5.0 << 0.01 << 0.0001 << 650.0;
        QTest::newRow("radius equals curvature") << 0.01 << 0.01 << 0.00001 << 400.0;
        QTest::newRow("one ring") << 1.0 << 0.001 << 0.0009 << 550.0;
        QTest::newRow("a/h = 100000") << 100.0 << 1.0 << 0.00001 << 589.0;
        QTest::newRow("odd count, fine step") << 3.0 << 0.05 << 0.0000017 << 700.0;
        QTest::newRow("huge curvature") << 1e300 << 0.01 << 0.000035 << 500.0;
        QTest::newRow("tiny wavelength, large phases") << 10.0 << 0.01 << 0.00001 << 1e-6;
        QTest::newRow("huge wavelength, flat profile") << 10.0 << 0.01 << 0.000035 << 1e12;
    }
    void matchesStraightforward() {
        QFETCH(double, Rc);
        QFETCH(double, a);
        QFETCH(double, h);
        QFETCH(double, lambda);
        const NewtonInputs in{Rc, a, h, lambda};
        const std::vector<int> fast = computeNewtonRings(in);
        const std::vector<int> reference = newtonReference(Rc, a, h, lambda);
        QCOMPARE(fast.size(), reference.size());
        QVERIFY(fast == reference);
    }

    // Random lenses, steps and wavelengths: every level as the step-by-step
    // computation gives it.
    void matchesStraightforwardOnRandomInputs() {
        std::mt19937_64 random(20261208);
        auto logUniform = [&](double lo, double hi) {
            return std::exp(
                std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(random));
        };
        for (int run = 0; run < 300; ++run) {
            const double a = logUniform(1e-4, 0.05);
            const double h = a / logUniform(1, 3000);
            const double Rc = a * logUniform(1, 1e6);
            const double lambda = logUniform(100, 2000);
            const std::vector<int> fast = computeNewtonRings(NewtonInputs{Rc, a, h, lambda});
            const std::vector<int> reference = newtonReference(Rc, a, h, lambda);
            QVERIFY2(fast == reference, qPrintable(QStringLiteral("Rc=%1 a=%2 h=%3 lambda=%4")
                                                       .arg(Rc, 0, 'g', 17)
                                                       .arg(a, 0, 'g', 17)
                                                       .arg(h, 0, 'g', 17)
                                                       .arg(lambda, 0, 'g', 17)));
        }
    }

    void guards_data() {
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::addColumn<double>("Rc");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("lambda");
        QTest::addColumn<NewtonProblem>("problem");
        QTest::newRow("defaults") << 10.0 << 0.01 << 0.000035 << 500.0 << NewtonProblem::None;
        QTest::newRow("zero step")
            << 10.0 << 0.01 << 0.0 << 500.0 << NewtonProblem::StepNotPositive;
        QTest::newRow("negative step")
            << 10.0 << 0.01 << -1e-5 << 500.0 << NewtonProblem::StepNotPositive;
        QTest::newRow("NaN step") << 10.0 << 0.01 << nan << 500.0 << NewtonProblem::StepNotPositive;
        QTest::newRow("radius below step")
            << 10.0 << 0.00001 << 0.000035 << 500.0 << NewtonProblem::NoRings;
        QTest::newRow("negative radius")
            << 10.0 << -0.01 << 0.000035 << 500.0 << NewtonProblem::NoRings;
        QTest::newRow("curvature below radius")
            << 0.005 << 0.01 << 0.000035 << 500.0 << NewtonProblem::CurvatureTooSmall;
        QTest::newRow("infinite curvature")
            << inf << 0.01 << 0.000035 << 500.0 << NewtonProblem::CurvatureTooSmall;
        QTest::newRow("zero wavelength")
            << 10.0 << 0.01 << 0.000035 << 0.0 << NewtonProblem::WavelengthNotPositive;
        QTest::newRow("largest picture") << 10.0 << 0.03 << 0.00001 << 500.0 << NewtonProblem::None;
        QTest::newRow("one ring too many")
            << 10.0 << 0.0301 << 0.00001 << 500.0 << NewtonProblem::TooLarge;
        QTest::newRow("step in millions")
            << 10.0 << 0.01 << 1e-12 << 500.0 << NewtonProblem::TooLarge;
        QTest::newRow("step 1e-300") << 10.0 << 1.0 << 1e-300 << 500.0 << NewtonProblem::TooLarge;
    }
    void guards() {
        QFETCH(double, Rc);
        QFETCH(double, a);
        QFETCH(double, h);
        QFETCH(double, lambda);
        QFETCH(NewtonProblem, problem);
        const NewtonInputs in{Rc, a, h, lambda};
        QCOMPARE(checkNewtonInputs(in), problem);
        if (problem != NewtonProblem::None && problem != NewtonProblem::TooLarge)
            QVERIFY(computeNewtonRings(in).empty());
    }

    void cancelledRunGivesNothing() {
        RunControl control;
        control.cancel();
        QVERIFY(computeNewtonRings(NewtonInputs{100, 1, 0.00001, 500}, &control).empty());
    }

    void drawing_data() {
        QTest::addColumn<bool>("coloured");
        QTest::newRow("colour") << true;
        QTest::newRow("grey") << false;
    }
    void drawing() {
        QFETCH(bool, coloured);
        const std::vector<int> levels = computeNewtonRings(NewtonInputs{});
        const int n = int(levels.size());
        QImage img(2 * n, 2 * n, QImage::Format_RGB32);
        img.fill(Qt::black);
        Canvas c(img);
        QList<int> reports;
        const Rgb tintColour = wavelengthToRgb(500);
        drawNewtonRings(c, levels, coloured, tintColour, [&](int p) {
            reports << p;
            return true;
        });
        // Ring i's 2-pixel outline ends at column n + i - 1; the next ring covers
        // that column, so n + i - 2 keeps ring i.
        for (int i : {10, 100, 200, 280}) {
            const Rgb expect =
                coloured ? tint(levels[i], tintColour) : Rgb{levels[i], levels[i], levels[i]};
            const QRgb px = img.pixel(n + i - 2, n);
            QCOMPARE(qRed(px), expect.red);
            QCOMPARE(qGreen(px), expect.green);
            QCOMPARE(qBlue(px), expect.blue);
        }
        QCOMPARE(reports.first(), 0);
        QCOMPARE(reports.last(), 99);
        QVERIFY(std::is_sorted(reports.begin(), reports.end()));
        QCOMPARE(reports.size(), 100);
        // Corners lie outside the lens: still black.
        QCOMPARE(img.pixel(0, 0) & 0xFFFFFF, 0u);
    }
};

QTEST_MAIN(TestNewtonRings)
#include "tst_newton_rings.moc"
