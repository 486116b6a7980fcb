// The textbook predictions drawn over the geometric-optics pictures, against
// figures worked out by hand from the formulas.
#include "geometric/focal/FocalTheory.h"
#include "geometric/focal/FocalTheoryMarks.h"
#include "geometric/huygens/HuygensTheory.h"
#include "geometric/huygens/HuygensTheoryMarks.h"
#include "geometric/lens/LensTheory.h"
#include "geometric/lens/LensTheoryMarks.h"
#include "geometric/mirror/MirrorTheory.h"
#include "geometric/mirror/MirrorTheoryMarks.h"
#include "geometric/prism/PrismTheory.h"
#include "geometric/prism/PrismTheoryMarks.h"
#include "geometric/refraction/RefractionTheory.h"
#include "geometric/refraction/RefractionTheoryMarks.h"

#include <QTest>

class TestTheory : public QObject {
    Q_OBJECT
  private slots:
    void lens_data();
    void lens();
    void mirror_data();
    void mirror();
    void refraction_data();
    void refraction();
    void prism_data();
    void prism();
    void focal_data();
    void focal();
    void huygens_data();
    void huygens();
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

using Box = planemirror::Box;
Q_DECLARE_METATYPE(Box)

void TestTheory::mirror_data() {
    QTest::addColumn<int>("W");
    QTest::addColumn<Box>("lamp");
    QTest::addColumn<Box>("eye");
    QTest::addColumn<double>("imageX"); // 2 (W div 2) - left
    QTest::addColumn<double>("imageY");
    QTest::addColumn<double>("top"); // yE + (yL - yE)(a - xE) / (x' - xE)
    QTest::addColumn<double>("bottom");
    const Box lamp{416, 40, 32, 48}, eye{424, 264, 32, 32};
    QTest::newRow("defaults") << 542 << lamp << eye << 126.0 << 64.0 << 159.70957 << 175.02310;
    // An odd width: the mirror at 271 still, the image at 126.
    QTest::newRow("odd width") << 543 << lamp << eye << 126.0 << 64.0 << 159.70957 << 175.02310;
    QTest::newRow("lamp near") << 542 << Box{300, 100, 32, 48} << Box{500, 100, 32, 32} << 242.0
                               << 124.0 << 121.35361 << 124.88213;
}

void TestTheory::mirror() {
    QFETCH(int, W);
    QFETCH(Box, lamp);
    QFETCH(Box, eye);
    QFETCH(double, top);
    QFETCH(double, bottom);
    const MirrorTheory t = mirrorTheory(W, lamp, eye);
    QTEST(t.imageX, "imageX");
    QTEST(t.imageY, "imageY");
    QVERIFY(qAbs(t.topReflection - top) < 1e-4);
    QVERIFY(qAbs(t.bottomReflection - bottom) < 1e-4);
    const OverlayMarks marks = mirrorTheoryMarks(W, lamp, eye);
    QCOMPARE(marks.points.value(0), QPointF(t.imageX, t.imageY));
}

void TestTheory::refraction_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("alpha");    // degrees
    QTest::addColumn<double>("beta");     // degrees; -1: total reflection
    QTest::addColumn<double>("Rs");       // %
    QTest::addColumn<double>("Rp");       // %
    QTest::addColumn<double>("critical"); // degrees; 0: none
    QTest::addColumn<double>("brewster");
    QTest::addColumn<int>("lines");
    // The lamp at the start: dx = 79, dy = 104, alpha = 37.22 degrees, just
    // under Brewster's 37.57, so R_p nearly vanishes.
    const double start = lampIncidence(558, 273, 176, 48, 32) * 180 / M_PI;
    QTest::newRow("defaults") << 1.3 << 1.0 << start << 51.846252 << 6.3772218 << 0.0018056
                              << 50.284863 << 37.568592 << 3;
    QTest::newRow("air to glass") << 1.0 << 1.5 << 45.0 << 28.125506 << 9.2013363 << 0.8466459
                                  << 0.0 << 56.309932 << 2;
    QTest::newRow("beyond critical")
        << 1.3 << 1.0 << 60.0 << -1.0 << 100.0 << 100.0 << 50.284863 << 37.568592 << 2;
}

void TestTheory::refraction() {
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(double, alpha);
    QFETCH(double, beta);
    QFETCH(double, Rs);
    QFETCH(double, Rp);
    QFETCH(double, critical);
    QFETCH(double, brewster);
    const double deg = M_PI / 180;
    const RefractionTheory t = refractionTheory(n1, n2, alpha * deg);
    QCOMPARE(t.totalReflection, beta < 0);
    if (beta >= 0) QVERIFY(qAbs(t.beta / deg - beta) < 1e-5);
    QVERIFY(qAbs(t.Rs * 100 - Rs) < 1e-5);
    QVERIFY(qAbs(t.Rp * 100 - Rp) < 1e-5);
    QCOMPARE(t.hasCritical, critical > 0);
    QVERIFY(qAbs(t.critical / deg - critical) < 1e-5);
    QVERIFY(qAbs(t.brewster / deg - brewster) < 1e-5);
    // The refracted line (unless totally reflected), then the critical and
    // Brewster directions; no refracted line where Snell's law has no angle.
    const OverlayMarks marks = refractionTheoryMarks(n1, n2, alpha * deg, QSize(558, 273));
    QTEST(int(marks.lines.size()), "lines");
    if (beta >= 0) QVERIFY(qAbs(marks.lines[0].angle() - (270 + beta)) < 1e-4);
}

void TestTheory::prism_data() {
    QTest::addColumn<double>("i1"); // degrees
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("D");
    QTest::addColumn<double>("red");     // deviation, degrees; -1: turned back
    QTest::addColumn<double>("violet");  // n + 182 D x 1e-5
    QTest::addColumn<double>("minimum"); // 2 arcsin(n / 2) - 60
    QTest::newRow("n = 1.3, D = 10") << 40.0 << 1.3 << 10.0 << 19.658448 << 22.475813 << 21.083204;
    QTest::newRow("n = 1.5, D = 100")
        << 50.0 << 1.5 << 100.0 << 22.498696 << 56.034634 << 37.180756;
    // sin(gamma) = 1.8 sin(43.87) = 1.25: no ray leaves.
    QTest::newRow("n = 1.8") << 30.0 << 1.8 << 0.0 << -1.0 << -1.0 << 68.316135;
}

void TestTheory::prism() {
    QFETCH(double, i1);
    QFETCH(double, n);
    QFETCH(double, D);
    QFETCH(double, red);
    QFETCH(double, violet);
    QFETCH(double, minimum);
    const double deg = M_PI / 180;
    const PrismTheory t = prismTheory(i1 * deg, n, D);
    QCOMPARE(t.red.leaves, red > 0);
    QCOMPARE(t.violet.leaves, violet > 0);
    if (red > 0) QVERIFY(qAbs(t.red.deviation / deg - red) < 1e-5);
    if (violet > 0) QVERIFY(qAbs(t.violet.deviation / deg - violet) < 1e-5);
    QVERIFY(qAbs(t.minimumDeviation / deg - minimum) < 1e-5);
    // The picture at its start: a red and a violet line from the exit points.
    const prism::Frame f = prism::frameFor(570, 320, 568, 318);
    QCOMPARE(prismTheoryMarks(f, 27, 174, 1.3, 10).lines.size(), 2);
}

void TestTheory::focal_data() {
    QTest::addColumn<int>("F");
    QTest::addColumn<int>("tilt");
    QTest::addColumn<double>("offset"); // F tan(phi), pixels; NaN: not paraxial
    QTest::addColumn<int>("points");
    QTest::newRow("defaults") << 100 << 0 << 0.0 << 1;
    QTest::newRow("tilted 10") << 100 << 10 << 17.632698 << 2;
    QTest::newRow("diverging, -5") << -50 << -5 << 4.3744332 << 2;
    QTest::newRow("tilted 30") << 100 << 30 << qQNaN() << 1;
}

void TestTheory::focal() {
    QFETCH(int, F);
    QFETCH(int, tilt);
    QFETCH(double, offset);
    const FocalTheory t = focalTheory(F, tilt, 534, 346);
    QCOMPARE(t.focusX, 267.0 + F);
    QCOMPARE(t.paraxial, !qIsNaN(offset));
    if (t.paraxial) QVERIFY(qAbs(t.beamY - 173 - offset) < 1e-5);
    QTEST(int(focalTheoryMarks(F, tilt, QSize(534, 346)).points.size()), "points");
}

void TestTheory::huygens_data() {
    QTest::addColumn<int>("theta");
    QTest::addColumn<float>("n");
    QTest::addColumn<double>("beta");   // degrees; -1: none
    QTest::addColumn<double>("across"); // 200 tan(beta): the ray's run across the plate
    QTest::newRow("defaults") << 30 << 1.3f << 22.619865 << 83.333333;
    QTest::newRow("n = 1.5") << 30 << 1.5f << 19.471221 << 70.710678;
    QTest::newRow("n below sin") << 60 << 0.5f << -1.0 << 0.0;
}

void TestTheory::huygens() {
    QFETCH(int, theta);
    QFETCH(float, n);
    QFETCH(double, beta);
    QFETCH(double, across);
    const HuygensRefraction r = huygensRefraction(theta, n);
    QCOMPARE(r.exists, beta >= 0);
    if (r.exists) QVERIFY(qAbs(r.beta * 180 / M_PI - beta) < 1e-4);
    huygens::Inputs in;
    in.thetaDegrees = theta;
    in.n1 = in.n2 = n;
    const OverlayMarks marks = huygensTheoryMarks(in);
    QCOMPARE(marks.lines.size(), r.exists ? 2 : 0);
    if (r.exists) QVERIFY(qAbs(marks.lines[0].dx() - across) < 1e-3);
}

QTEST_GUILESS_MAIN(TestTheory)
#include "tst_geometric_theory.moc"
