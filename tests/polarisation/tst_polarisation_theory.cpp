// The textbook predictions of the polarisation windows, against figures
// worked out by hand from the formulas.
#include "polarisation/PolarisationTheory.h"
#include "polarisation/PolarisationTheoryMarks.h"

#include <QTest>

class TestTheory : public QObject {
    Q_OBJECT
  private slots:
    void malus_data();
    void malus();
    void brewster_data();
    void brewster();
    void plate_data();
    void plate();
};

void TestTheory::malus_data() {
    QTest::addColumn<double>("theta");
    QTest::addColumn<double>("ratio"); // cos^2
    QTest::newRow("defaults") << 0.0 << 1.0;
    QTest::newRow("60") << 60.0 << 0.25;
    QTest::newRow("-210") << -210.0 << 0.75;
}

void TestTheory::malus() {
    QFETCH(double, theta);
    QFETCH(double, ratio);
    QVERIFY(qAbs(malusRatio(theta) - ratio) < 1e-12);
    // The cross on the inset's curve: 160 x 80 pixels at the bottom right.
    const OverlayMarks marks = malusTheoryMarks(theta, QSize(600, 400));
    QCOMPARE(marks.points.size(), 1);
    QVERIFY(qAbs(marks.points[0].y() - (390 - 80 * ratio)) < 1e-9);
}

void TestTheory::brewster_data() {
    QTest::addColumn<double>("alpha");
    QTest::addColumn<double>("nPar");
    QTest::addColumn<double>("nPerp");
    QTest::addColumn<double>("brewster"); // degrees
    QTest::addColumn<double>("rPar");
    QTest::addColumn<double>("rPerp");
    QTest::newRow("defaults") << 60.0 << 1.3 << 1.3 << 52.431408 << -0.0686324 << 0.3195131;
    QTest::newRow("normal") << 0.0 << 1.3 << 1.3 << 52.431408 << 0.1304348 << 0.1304348;
    QTest::newRow("45, 1.5 and 2") << 45.0 << 1.5 << 2.0 << 56.309932 << 0.0920134 << 0.4514162;
}

void TestTheory::brewster() {
    QFETCH(double, alpha);
    QFETCH(double, nPar);
    QFETCH(double, nPerp);
    QFETCH(double, brewster);
    QFETCH(double, rPar);
    QFETCH(double, rPerp);
    const BrewsterTheory t = brewsterTheory(alpha, nPar, nPerp);
    QVERIFY(t.valid && t.refracted);
    QVERIFY(qAbs(t.brewster * 180 / M_PI - brewster) < 1e-5);
    QVERIFY(qAbs(t.rPar - rPar) < 1e-6);
    QVERIFY(qAbs(t.rPerp - rPerp) < 1e-6);
}

void TestTheory::plate_data() {
    QTest::addColumn<double>("d");     // nm; Kx = 1, Ky = 2, 500 nm, f = 180 degrees
    QTest::addColumn<double>("plate"); // 360 (Ky - Kx) d / lambda, degrees
    QTest::addColumn<double>("total");
    QTest::addColumn<int>("kind");
    QTest::newRow("defaults: quarter wave")
        << 125.0 << 90.0 << 270.0 << int(Polarisation::Circular);
    QTest::newRow("half wave") << 250.0 << 180.0 << 0.0 << int(Polarisation::Linear);
    QTest::newRow("100 nm") << 100.0 << 72.0 << 252.0 << int(Polarisation::Elliptical);
}

void TestTheory::plate() {
    QFETCH(double, d);
    QFETCH(double, plate);
    QFETCH(double, total);
    QFETCH(int, kind);
    WaveParams p;
    p.d = d * 1e-9;
    const PlateTheory t = plateTheory(p, true);
    QVERIFY(qAbs(t.plate * 180 / M_PI - plate) < 1e-9);
    // 0 and 360 are the same lead.
    QVERIFY(qAbs(std::remainder(t.total * 180 / M_PI - total, 360.0)) < 1e-9);
    QCOMPARE(int(t.kind), kind);
    QCOMPARE(plateTheory(p, false).kind, Polarisation::Linear);
    // The figure starts at phi = 0: (C + 70, C - 70 cos(lead)).
    const OverlayMarks marks = anisotropicTheoryMarks(p, 200, true);
    QVERIFY(qAbs(marks.lines[0].y1() - (100 - 70 * std::cos(total * M_PI / 180))) < 1e-6);
}

QTEST_GUILESS_MAIN(TestTheory)
#include "tst_polarisation_theory.moc"
