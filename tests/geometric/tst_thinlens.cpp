// Thin-lens formulas and the mouse geometry of the lens window, without Qt
// widgets or pictures.
#include "geometric/lens/ThinLens.h"

#include <QTest>
#include <cfloat>
#include <cmath>

using namespace thinlens;

class TestThinLens : public QObject {
    Q_OBJECT
  private slots:
    void imageDistanceAndSize_data() {
        QTest::addColumn<float>("D");
        QTest::addColumn<float>("d");
        QTest::addColumn<float>("h");
        QTest::addColumn<float>("a");
        QTest::addColumn<double>("vB");
        QTest::addColumn<double>("s");
        QTest::newRow("defaults") << 8.f << 28.f << 6.f << 90.f << 22.5806 << 4.8387;
        QTest::newRow("object at 2F") << 8.f << 25.f << 6.f << 90.f << 25.0 << 6.0;
        QTest::newRow("inside F: virtual") << 8.f << 10.f << 2.f << 90.f << -50.0 << 10.0;
        QTest::newRow("diverging") << -5.f << 28.f << 6.f << 90.f << -11.6667 << 2.5;
        // Lying along the axis from 28 to 34 cm: image from 22.58 to 19.77 cm.
        QTest::newRow("along axis") << 8.f << 28.f << 6.f << 0.f << 22.5806 << 2.8132;
    }
    void imageDistanceAndSize() {
        QFETCH(float, D);
        QFETCH(float, d);
        QFETCH(float, h);
        QFETCH(float, a);
        QFETCH(double, vB);
        QFETCH(double, s);
        const Image im = imageOf(D, makeObject(d, h, a));
        QVERIFY2(std::abs(im.vB - vB) < 1e-3, qPrintable(QString::number(im.vB)));
        QVERIFY2(std::abs(im.s - s) < 1e-3, qPrintable(QString::number(im.s)));
    }

    // A right-angled object stored in single precision lands exactly on its
    // base column: cos(90 deg) must not pull the tip a pixel off.
    void uprightObjectTipOnBaseColumn() {
        const Object o = makeObject(28, 6, 90);
        QCOMPARE(int(kScale * o.Q), 280);
        QCOMPARE(int(kScale * o.R), 60);
    }

    void stepOffFocus_data() {
        QTest::addColumn<float>("D");
        QTest::addColumn<float>("x");
        QTest::newRow("object at F") << 8.f << 12.5f;
        QTest::newRow("diverging at virtual F") << -5.f << -20.f;
        QTest::newRow("on the lens plane") << 8.f << 0.f;
        QTest::newRow("nearly on the lens plane") << 8.f << -1e-12f;
        QTest::newRow("flat lens, far object") << 1e-7f << 1e8f;
        QTest::newRow("largest distance") << 1e-30f << FLT_MAX;
    }
    void stepOffFocus() {
        QFETCH(float, D);
        QFETCH(float, x);
        const float moved = thinlens::stepOffFocus(D, x);
        QVERIFY(std::isfinite(moved));
        QVERIFY(std::abs(moved) >= 1e-8f);
        // Only a little way off: at most about 1 % for the bounded guard.
        if (std::abs(x) >= 1e-8f) QVERIFY(std::abs(moved - x) <= 0.011 * std::abs(double(x)));
        QVERIFY(std::isfinite(imageDistance(D, moved)));
    }

    void objectAtFocusImagedFarAway() {
        const Image im = imageOf(8, makeObject(12.5f, 6, 90));
        QVERIFY(im.vB > 1e4);
        QVERIFY(std::isfinite(im.vB));
    }

    void imagePathBreaksOnlyAcrossFocalPlane_data() {
        QTest::addColumn<float>("d");
        QTest::addColumn<float>("a");
        QTest::addColumn<bool>("broken");
        QTest::newRow("upright beyond F") << 28.f << 90.f << false;
        QTest::newRow("tilted beyond F") << 28.f << 45.f << false;
        QTest::newRow("inside F") << 6.f << 60.f << false;
        QTest::newRow("from inside to beyond F") << 11.f << 60.f << true;
        QTest::newRow("from beyond to inside F") << 14.f << 120.f << true;
        QTest::newRow("through the lens plane") << 3.f << 30.f << false;
    }
    void imagePathBreaksOnlyAcrossFocalPlane() {
        QFETCH(float, d);
        QFETCH(float, a);
        QFETCH(bool, broken);
        const Object o = makeObject(d, 6, a);
        const Image im = imageOf(8, o);
        const ImagePath path = imagePath(8, o, im);
        QCOMPARE(path.broken, broken);
        int gaps = 0;
        for (const auto &p : path.points)
            gaps += !p.joined;
        QCOMPARE(gaps, broken ? 2 : 1); // the first point never has a line to it
        // The path ends at the image of the tip.
        QVERIFY(std::abs(path.points.back().v - im.vQ) <= 1e-3 * std::max(1.f, std::abs(im.vQ)));
    }

    void headDirectionPointsAlongImage_data() {
        QTest::addColumn<float>("a");
        QTest::newRow("upright") << 90.f;
        QTest::newRow("tilted") << 45.f;
        QTest::newRow("hanging up") << 270.f;
        QTest::newRow("lying") << 0.f;
    }
    void headDirectionPointsAlongImage() {
        // The barbs sit at distance s - 0.5 from the base along theta: close
        // behind the tip, whatever the tilt.
        QFETCH(float, a);
        const Image im = imageOf(8, makeObject(28, 6, a));
        const double t = headDirection(im), r = im.s - 0.5;
        const double bx = im.vB - r * std::cos(t), by = r * std::sin(t);
        QVERIFY2(std::hypot(bx - im.vQ, by - im.yQ) < 0.51, qPrintable(QString::number(t)));
    }

    void extremeInputsGiveFiniteValues_data() {
        QTest::addColumn<float>("D");
        QTest::addColumn<float>("d");
        QTest::addColumn<float>("h");
        QTest::addColumn<float>("a");
        QTest::newRow("huge power") << 1e30f << 28.f << 6.f << 90.f;
        QTest::newRow("tiny distance") << 8.f << 1e-30f << 6.f << 90.f;
        QTest::newRow("huge tilt") << 8.f << 28.f << 6.f << 1e9f;
        QTest::newRow("all largest") << FLT_MAX << FLT_MAX << FLT_MAX << FLT_MAX;
        QTest::newRow("mixed largest") << -FLT_MAX << FLT_MAX << -FLT_MAX << 45.f;
        QTest::newRow("tiny power, huge height") << 1e-30f << 1e-30f << FLT_MAX << 30.f;
    }
    void extremeInputsGiveFiniteValues() {
        QFETCH(float, D);
        QFETCH(float, d);
        QFETCH(float, h);
        QFETCH(float, a);
        const Object o = makeObject(d, h, a);
        const Image im = imageOf(D, o);
        const ImagePath path = imagePath(D, o, im);
        for (float v : {o.Q, o.R, im.vB, im.vQ, im.yQ, im.s, headDirection(im)})
            QVERIFY(std::isfinite(v));
        for (const auto &p : path.points)
            QVERIFY(std::isfinite(p.v) && std::isfinite(p.y));
    }

    // Panel 591 x 234: the lens plane at x = 295.5, the axis at y = 117.
    void grabTest_data() {
        QTest::addColumn<float>("a");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<bool>("grabbed");
        QTest::newRow("on the shaft") << 90.f << QPointF(15, 150) << true;
        QTest::newRow("near the tip") << 90.f << QPointF(16, 176) << true;
        QTest::newRow("beside the shaft") << 90.f << QPointF(40, 130) << false;
        QTest::newRow("below the tip") << 90.f << QPointF(15, 180) << false;
        QTest::newRow("other side of axis") << 90.f << QPointF(15, 100) << false;
        QTest::newRow("tilted, along it") << 135.f << QPointF(36, 138) << true;
        QTest::newRow("tilted, beside it") << 135.f << QPointF(50, 125) << false;
        // Straight up the directions straddle -pi/2 = 3pi/2: both halves count.
        QTest::newRow("pointing up, left half") << 270.f << QPointF(15, 80) << true;
        QTest::newRow("pointing up, right half") << 270.f << QPointF(16, 80) << true;
        QTest::newRow("lying on the axis") << 0.f << QPointF(40, 117) << false;
    }
    void grabTest() {
        QFETCH(float, a);
        QFETCH(QPointF, pointer);
        QFETCH(bool, grabbed);
        const Object o = makeObject(28, 6, a);
        QCOMPARE(grabsObject({591, 234}, o, pointer.x(), pointer.y()), grabbed);
    }

    void tipFollowsPointer_data() {
        QTest::addColumn<float>("d");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("tilt");
        QTest::newRow("straight down") << 28.f << QPointF(15.5, 177) << 6.f << 90.f;
        QTest::newRow("straight up") << 28.f << QPointF(15.5, 57) << 6.f << 270.f;
        QTest::newRow("away from lens") << 28.f << QPointF(-44.5, 117) << 6.f << 0.f;
        QTest::newRow("towards lens") << 28.f << QPointF(75.5, 117) << 6.f << 180.f;
        QTest::newRow("up towards lens") << 28.f << QPointF(45.5, 87) << 4.24264f << 225.f;
        QTest::newRow("across the lens: pinned") << 5.f << QPointF(395.5, 117) << 5.f << 180.f;
    }
    void tipFollowsPointer() {
        QFETCH(float, d);
        QFETCH(QPointF, pointer);
        QFETCH(float, height);
        QFETCH(float, tilt);
        const TipPose pose = tipAt({591, 234}, d, pointer.x(), pointer.y());
        QVERIFY2(std::abs(pose.height - height) < 1e-4, qPrintable(QString::number(pose.height)));
        QVERIFY2(std::abs(pose.tiltDegrees - tilt) < 1e-3,
                 qPrintable(QString::number(pose.tiltDegrees)));
    }
};

QTEST_APPLESS_MAIN(TestThinLens)
#include "tst_thinlens.moc"
