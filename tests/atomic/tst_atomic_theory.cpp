// The textbook predictions drawn over the atomic pictures, against figures
// worked out by hand from the formulas.
#include "atomic/microparticles/ElectronTheory.h"
#include "atomic/microparticles/ElectronTheoryMarks.h"
#include "atomic/xray/XrayTheory.h"
#include "atomic/xray/XrayTheoryMarks.h"

#include <QTest>

class TestTheory : public QObject {
    Q_OBJECT
  private slots:
    void xray_data();
    void xray();
    void electrons_data();
    void electrons();
};

void TestTheory::xray_data() {
    QTest::addColumn<int>("voltage");
    QTest::addColumn<int>("element");
    QTest::addColumn<double>("lambdaMin"); // 12398.5 / V, Å
    QTest::addColumn<double>("energy");    // 10.204275 (Z - 1)^2, eV; 0: no line
    QTest::addColumn<double>("kAlpha");    // 12398.5 / energy, Å
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<int>("marks");
    QTest::newRow("Fe, 11 kV") << 11000 << 2 << 1.1271364 << 6377.6719 << 1.9440480 << true << 2;
    // Kα at 0.147 Å lies below lambda_min: no photons there, the mark still shows where.
    QTest::newRow("U, 11 kV") << 11000 << 10 << 1.1271364 << 84501.601 << 0.1467250 << false << 2;
    QTest::newRow("Ca, 115 kV") << 115000 << 1 << 0.1078130 << 3683.7433 << 3.3657340 << true << 2;
    // The hidden element: the limit only.
    QTest::newRow("hidden Nd") << 52600 << 13 << 0.2357129 << 0.0 << 0.0 << true << 1;
}

void TestTheory::xray() {
    QFETCH(int, voltage);
    QFETCH(int, element);
    QFETCH(double, lambdaMin);
    QFETCH(double, energy);
    QFETCH(double, kAlpha);
    const Break_x::XrayTheory t = Break_x::xrayTheory(voltage, element);
    QVERIFY(qAbs(t.lambdaMin / lambdaMin - 1) < 1e-6);
    QCOMPARE(t.hasLine, energy > 0);
    if (t.hasLine) {
        QVERIFY(qAbs(t.kAlphaEnergy / energy - 1) < 1e-6);
        QVERIFY(qAbs(t.kAlpha / kAlpha - 1) < 1e-6);
    }
    QTEST(t.lineReachable, "reachable");
    // On a 596 x 400 picture kx = 571 / 7 pixels per ångström from x = 10.
    const OverlayMarks marks = xrayTheoryMarks(voltage, element, QSize(596, 400));
    QTEST(int(marks.lines.size()), "marks");
    QVERIFY(qAbs(marks.lines[0].x1() - (lambdaMin * 571 / 7 + 10)) < 1e-3);
    QCOMPARE(marks.lines[0].y2(), 389.0);
    if (t.hasLine) QVERIFY(qAbs(marks.lines[1].x1() - (kAlpha * 571 / 7 + 10)) < 1e-3);
    QVERIFY(!marks.legend.join(' ').contains(QStringLiteral("Nd")));
}

void TestTheory::electrons_data() {
    QTest::addColumn<double>("kilovolts");
    QTest::addColumn<double>("lambda");    // pm, relativistic
    QTest::addColumn<double>("classical"); // pm, 1226.426 / sqrt(U[V])
    QTest::addColumn<double>("ring1");     // pixels
    // The first classical ring is the screen's 370 / sqrt(1.001 U): 67.519 at
    // 30 kV; the correction 1 / sqrt(1 + U / 1022 kV) brings it in by 1.4 %.
    QTest::newRow("30 kV") << 30.0 << 6.9790816 << 7.0807736 << 66.549014;
    QTest::newRow("20 kV") << 20.0 << 8.5885118 << 8.6721412 << 81.895732;
    // At 200 kV the correction is 8.5 %.
    QTest::newRow("200 kV") << 200.0 << 2.5079340 << 2.7423718 << 23.914398;
}

void TestTheory::electrons() {
    QFETCH(double, kilovolts);
    QFETCH(double, lambda);
    QFETCH(double, classical);
    QFETCH(double, ring1);
    const ElectronTheory t = electronTheory(kilovolts);
    QVERIFY(qAbs(t.wavelength * 1e12 / lambda - 1) < 1e-6);
    QVERIFY(qAbs(t.classicalWavelength * 1e12 / classical - 1) < 1e-6);
    QVERIFY(qAbs(t.rings[0] / ring1 - 1) < 1e-6);
    QVERIFY(qAbs(t.rings[4] / (t.rings[0] * std::sqrt(5.0)) - 1) < 1e-12);
    const OverlayMarks marks = electronTheoryMarks(kilovolts, QSize(628, 380));
    QCOMPARE(marks.ellipses.size(), 5);
    QCOMPARE(marks.ellipses[0].center(), QPointF(314, 190));
    QVERIFY(!electronTheory(0).valid);
}

QTEST_GUILESS_MAIN(TestTheory)
#include "tst_atomic_theory.moc"
