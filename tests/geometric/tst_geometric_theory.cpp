// The textbook predictions drawn over the geometric-optics pictures, against
// figures worked out by hand from the formulas.
#include "geometric/lens/LensTheory.h"
#include "geometric/lens/LensTheoryMarks.h"

#include <QTest>

class TestTheory : public QObject {
    Q_OBJECT
  private slots:
    void lens_data();
    void lens();
};

void TestTheory::lens_data() {
    QTest::addColumn<double>("D");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("tilt");
    QTest::addColumn<double>("f"); // 1 / (D / 100 - 1 / d), cm
    QTest::addColumn<double>("gamma");
    QTest::addColumn<double>("tipImage");
    QTest::addColumn<double>("tipHeight"); // R f_tip / Q
    QTest::newRow("defaults") << 8.0 << 28.0 << 6.0 << 90.0 << 22.580645 << -0.8064516 << 22.580645
                              << 4.8387097;
    QTest::newRow("diverging") << -5.0 << 28.0 << 6.0 << 90.0 << -11.666667 << 0.4166667
                               << -11.666667 << -2.5;
    // Tilted by 45 degrees: the tip at Q = 42.83, R = 2.83.
    QTest::newRow("tilted") << 8.0 << 40.0 << 4.0 << 45.0 << 18.181818 << -0.4545455 << 17.651932
                            << 1.1657492;
}

void TestTheory::lens() {
    QFETCH(double, D);
    QFETCH(double, d);
    QFETCH(double, h);
    QFETCH(double, tilt);
    QFETCH(double, f);
    QFETCH(double, gamma);
    QFETCH(double, tipImage);
    QFETCH(double, tipHeight);
    const LensTheory t = lensTheory(D, d, h, tilt);
    QVERIFY(t.valid && !t.atFocus && !t.tipAtFocus);
    QVERIFY(qAbs(t.image - f) < 1e-5);
    QVERIFY(qAbs(t.magnification - gamma) < 1e-6);
    QVERIFY(qAbs(t.tipImage - tipImage) < 1e-5);
    QVERIFY(qAbs(t.tipHeight - tipHeight) < 1e-6);
    // 10 pixels per cm from the lens plane at the middle of a 589 x 232 picture.
    const OverlayMarks marks = lensTheoryMarks(D, d, h, tilt, QSize(589, 232));
    QCOMPARE(marks.points.size(), 2);
    QVERIFY(qAbs(marks.points[0].x() - (294 + 10 * f)) < 1e-4);
    QVERIFY(qAbs(marks.points[1].y() - (116 - 10 * tipHeight)) < 1e-4);
    // At the focal plane there is no image to mark.
    QVERIFY(lensTheory(D, 100 / D, h, 90).atFocus);
    QVERIFY(lensTheoryMarks(D, 100 / D, h, 90, QSize(589, 232)).points.size() < 2);
}

QTEST_GUILESS_MAIN(TestTheory)
#include "tst_geometric_theory.moc"
