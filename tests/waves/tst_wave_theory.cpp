// The textbook predictions drawn over the wave pictures, against figures
// worked out by hand from the formulas.
#include "waves/newton/NewtonTheory.h"
#include "waves/newton/NewtonTheoryMarks.h"

#include <QTest>

class TestTheory : public QObject {
    Q_OBJECT
  private slots:
    void newtonRings_data();
    void newtonRings();
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

QTEST_GUILESS_MAIN(TestTheory)
#include "tst_wave_theory.moc"
