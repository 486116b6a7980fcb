// The textbook predictions drawn over the wave pictures, against figures
// worked out by hand from the formulas.
#include "waves/fraunhofer/FraunhoferTheory.h"
#include "waves/fraunhofer/FraunhoferTheoryMarks.h"
#include "waves/newton/NewtonTheory.h"
#include "waves/newton/NewtonTheoryMarks.h"

#include <QTest>

class TestTheory : public QObject {
    Q_OBJECT
  private slots:
    void newtonRings_data();
    void newtonRings();
    void fraunhoferMinima_data();
    void fraunhoferMinima();
};

void TestTheory::newtonRings_data() {
    QTest::addColumn<double>("Rc");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("lambda");
    QTest::addColumn<double>("dark1");   // sqrt(lambda R), m
    QTest::addColumn<double>("bright1"); // sqrt(lambda R / 2), m
    QTest::addColumn<int>("dark");
    QTest::addColumn<int>("bright");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<bool>("dense");
    // a^2 / (lambda R) = 20 rings inside the lens.
    QTest::newRow("defaults") << 10.0 << 0.000035 << 500.0 << 2.2360680e-3 << 1.5811388e-3 << 20
                              << 20 << false << false;
    // Rings closer than 2 h beyond r = lambda R / (4 h) = 9.29 mm: m <= 66.
    QTest::newRow("red, R = 2 m") << 2.0 << 0.000035 << 650.0 << 1.1401754e-3 << 0.8062258e-3 << 66
                                  << 67 << false << true;
    // r^2 / (2 R) is 1 % off beyond r = 0.2 R: m <= 0.04 R / lambda = 133.2.
    QTest::newRow("R = 3.33 cm") << 0.0333 << 0.00001 << 10000.0 << 0.57706152e-3 << 0.40804412e-3
                                 << 133 << 133 << true << false;
}

void TestTheory::newtonRings() {
    QFETCH(double, Rc);
    QFETCH(double, h);
    QFETCH(double, lambda);
    QFETCH(double, dark1);
    QFETCH(double, bright1);
    QFETCH(int, dark);
    QFETCH(int, bright);
    const NewtonInputs in{Rc, 0.01, h, lambda};
    const NewtonTheory t = newtonTheory(in);
    QCOMPARE(int(t.dark.size()), dark);
    QCOMPARE(int(t.bright.size()), bright);
    QVERIFY(qAbs(t.dark[0] / dark1 - 1) < 1e-7);
    QVERIFY(qAbs(t.bright[0] / bright1 - 1) < 1e-7);
    QTEST(t.approximationFails, "fails");
    QTEST(t.tooDense, "dense");
    // Circles about the picture's centre (n, n), one pixel per step h.
    const OverlayMarks marks = newtonTheoryMarks(in);
    QCOMPARE(marks.ellipses.size(), dark);
    const double n = newtonRingCount(in.a, in.h);
    QCOMPARE(marks.ellipses[0].center(), QPointF(n, n));
    QVERIFY(qAbs(marks.ellipses[0].width() / 2 - dark1 / h) < 1e-6);
    QVERIFY(qAbs(marks.points[0].x() - (n + bright1 / h)) < 1e-6);
    QCOMPARE(marks.points[0].y(), n);
}

void TestTheory::fraunhoferMinima_data() {
    QTest::addColumn<int>("lambda");
    QTest::addColumn<float>("L");
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<float>("S");
    QTest::addColumn<double>("x1"); // lambda L / a, m
    QTest::addColumn<int>("alongA");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<bool>("dense");
    QTest::addColumn<int>("alongB");
    // x1 = 12 mm = 9.6 pixels; 20 of them within the half side 0.25 m.
    QTest::newRow("defaults") << 600 << 2000.f << 0.1f << 0.1f << 0.5f << 0.012 << 20 << false
                              << false << 20;
    // sin = 0.15 at m = 3: L tan - x = 17 mm, more than a pixel (12.5 mm). Along b,
    // L s^3 / 2 > 12.5 mm from m = 28 on.
    QTest::newRow("a = 10 um") << 500 << 10.f << 1e-5f << 1e-4f << 5.f << 0.5 << 2 << true << false
                               << 27;
    // x1 = 2.4 mm = 1.92 pixels: too dense to mark.
    QTest::newRow("wide") << 600 << 2000.f << 0.5f << 0.1f << 0.5f << 0.0024 << 0 << false << true
                          << 20;
}

void TestTheory::fraunhoferMinima() {
    QFETCH(int, lambda);
    QFETCH(float, L);
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(float, S);
    QFETCH(double, x1);
    QFETCH(int, alongA);
    QFETCH(int, alongB);
    const FraunhoferInputs in{lambda, L, a, b, S};
    const FraunhoferMinima t = ::fraunhoferMinima(in, a);
    QCOMPARE(int(t.at.size()), alongA);
    if (alongA) QVERIFY(qAbs(t.at[0] / x1 - 1) < 1e-6);
    QTEST(t.smallAngleFails, "fails");
    QTEST(t.tooDense, "dense");
    QCOMPARE(int(::fraunhoferMinima(in, b).at.size()), alongB);
    // Two lines per minimum; the first at column 200 - x1 / (S / 400).
    const OverlayMarks marks = fraunhoferTheoryMarks(in);
    QCOMPARE(marks.lines.size(), 2 * (alongA + alongB));
    if (alongA) QVERIFY(qAbs(marks.lines[0].x1() - (200 - x1 * 400 / S)) < 1e-3);
}

QTEST_GUILESS_MAIN(TestTheory)
#include "tst_wave_theory.moc"
