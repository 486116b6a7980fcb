// The lens picture drawn on a canvas, without any window: what is drawn
// where, the two output texts, and what happens with degenerate and extreme
// inputs.
#include "canvas/Canvas.h"
#include "geometric/lens/LensScene.h"

#include <QElapsedTimer>
#include <QTest>
#include <cmath>
#include <functional>

namespace {

// Each element gets a bit of its own, so merged pixels still tell which
// elements cover them. The focal marks keep their fixed red and maroon.
constexpr QRgb kLens = 0x008000, kAxis = 0x000080, kObject = 0x004000, kImage = 0x002000,
               kRay1 = 0x000040, kRay2 = 0x000020;

LensParams params(double D = 8, double d = 28, double h = 6, double a = 90) {
    LensParams p;
    p.D = D;
    p.d = d;
    p.h = h;
    p.a = a;
    p.colours = {QColor(kObject), QColor(kImage), QColor(kLens),    QColor(kAxis),
                 QColor(kRay1),   QColor(kRay2),  QColor(Qt::black)};
    return p;
}

struct Picture {
    QImage image;
    LensOutputs out;
    int cx = 0, cy = 0;
    QRgb at(int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
    bool has(int x, int y, QRgb bit) const { return (at(x, y) & bit) == bit; }
    // Pixels carrying the bit inside the columns [x0, x1).
    int count(QRgb bit, int x0, int x1) const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, image.width()); ++x)
                if ((at(x, y) & bit) == bit) ++n;
        return n;
    }
};

// Drawn like the window does: the bitmap is 2 pixels smaller than the panel.
Picture draw(LensParams p, int panelW = 591, int panelH = 234) {
    p.panelWidth = panelW;
    p.panelHeight = panelH;
    Picture pic;
    pic.image = QImage(panelW - 2, panelH - 2, QImage::Format_RGB32);
    pic.image.fill(Qt::white);
    Canvas c(pic.image);
    pic.out = drawLensScene(c, p);
    pic.cx = panelW / 2;
    pic.cy = panelH / 2;
    return pic;
}

bool isRed(QRgb c) {
    return (c & 0xFF0000) == 0xFF0000;
}
bool isMaroon(QRgb c) {
    return (c & 0xFF0000) == 0x800000;
}

} // namespace

class TestLensScene : public QObject {
    Q_OBJECT
  private slots:
    void defaultsGiveTheTextbookPicture() {
        const Picture p = draw(params());
        QVERIFY(p.out.imageBuilt);
        QCOMPARE(p.out.imageDistance, QStringLiteral("22.58"));
        QCOMPARE(p.out.imageHeight, QStringLiteral("4.84"));
        const int cx = p.cx, cy = p.cy;
        // F ticks 125 px and 2F ticks 250 px from the lens plane, on both sides.
        for (int side : {-1, 1}) {
            QVERIFY(isRed(p.at(cx + side * 125, cy + 3)));
            QVERIFY(isMaroon(p.at(cx + side * 250, cy + 3)));
            QVERIFY(!isRed(p.at(cx + side * 120, cy + 3)));
        }
        // The object hangs below the axis 280 px left of the lens ...
        QVERIFY(p.has(cx - 280, cy + 30, kObject));
        QVERIFY(!p.has(cx - 280, cy - 30, kObject));
        // ... and its real image stands above the axis 225 px right of it.
        QVERIFY(p.has(cx + 225, cy - 24, kImage));
        QVERIFY(!p.has(cx + 225, cy + 24, kImage));
        // Lens filled around its centre, not beyond its 20 px half thickness.
        QVERIFY(p.has(cx + 10, cy - 40, kLens));
        QCOMPARE(p.count(kLens, 0, cx - 25), 0);
        QCOMPARE(p.count(kLens, cx + 26, p.image.width()), 0);
        // Axis (merged dash-dot) left of everything, lens plane over the lens.
        QVERIFY(p.has(1, cy, kAxis));
        QVERIFY(p.has(cx, 1, kAxis));
        // The corners keep the background.
        QCOMPARE(p.at(0, p.image.height() - 1), QRgb(0));
    }

    void divergingLensMakesVirtualImage() {
        // A wide panel, so that the 500 px rays end inside the picture.
        const Picture p = draw(params(-5), 1400, 234);
        const int cx = p.cx, cy = p.cy, rim = 234 / 17;
        QCOMPARE(p.out.imageDistance, QStringLiteral("-11.67"));
        // Rim lines at H div 17 span trunc(cx -+ 0.8 (12.5 + 13)) = cx -+ 20,
        // and close the two fills.
        QVERIFY(p.has(cx - 20, rim, kLens));
        QVERIFY(p.has(cx + 19, rim, kLens));
        QVERIFY(p.has(cx + 5, rim + 5, kLens));
        QVERIFY(!p.has(cx + 5, rim - 5, kLens));
        QVERIFY(p.has(cx + 5, 234 - rim - 5, kLens));
        // F marks 200 px away on both sides.
        QVERIFY(isRed(p.at(cx - 200, cy + 3)));
        QVERIFY(isRed(p.at(cx + 200, cy + 3)));
        // The image stands left of the lens, 116 px away.
        QVERIFY(p.count(kImage, cx - 125, cx - 100) > 0);
        QCOMPARE(p.count(kImage, cx, p.image.width()), 0);
        // Dotted backward extension from the lens centre to the image tip
        // (cx - 116, cy + 25): short runs with gaps, unlike the dashed rays.
        int longest = 0, run = 0, lit = 0;
        for (int i = 0; i < 116; ++i) {
            const bool on = p.has(cx - i, cy + (2 * i * 25 + 116) / 232, kRay2);
            run = on ? run + 1 : 0;
            lit += on;
            longest = std::max(longest, run);
        }
        QVERIFY(lit > 30);
        QVERIFY(longest <= 3);
        // The two dashed real rays run 500 px to the right and stop there.
        QVERIFY(p.count(kRay2, cx + 400, cx + 500) > 0);
        QCOMPARE(p.count(kRay2, cx + 501, p.image.width()), 0);
    }

    void objectAtFocusIsSteppedOff() {
        const Picture p = draw(params(8, 12.5));
        QVERIFY(p.out.imageBuilt);
        const double f = QString(p.out.imageDistance).remove(QLatin1Char(',')).toDouble();
        QVERIFY2(f > 1e4, qPrintable(p.out.imageDistance)); // very far, but a number
        QCOMPARE(p.count(kImage, 0, p.image.width()), 0);
        // The ray through the lens centre keeps its true slope R/Q = 0.48
        // towards the far image (a saturated end point would bend it to 1).
        int lit = 0;
        for (int x = p.cx + 100; x < p.cx + 280; ++x) {
            const int y = p.cy - int(std::lround(0.48 * (x - p.cx)));
            lit += p.has(x, y, kRay2) || p.has(x, y - 1, kRay2) || p.has(x, y + 1, kRay2);
        }
        QVERIFY2(lit > 120, qPrintable(QString::number(lit)));
    }

    void objectAcrossFocalPlaneGivesBrokenImage() {
        // f = 12.5 cm; the object runs from 11 cm to 14 cm, below the axis.
        // Its image has a virtual branch far left and a real one far right.
        const Picture p = draw(params(8, 11, 6, 60), 3000, 600);
        const int cx = p.cx;
        QVERIFY(p.count(kImage, 0, cx - 500) > 0);
        QVERIFY(p.count(kImage, cx + 500, p.image.width()) > 0);
        // No line joins them through the middle of the picture.
        QCOMPARE(p.count(kImage, cx - 300, cx + 300), 0);
    }

    void degenerateInputsDrawNoImage_data() {
        QTest::addColumn<double>("D");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("h");
        QTest::newRow("no power") << 0.0 << 28.0 << 6.0;
        QTest::newRow("object on lens") << 8.0 << 0.0 << 6.0;
        QTest::newRow("no height") << 8.0 << 28.0 << 0.0;
    }
    void degenerateInputsDrawNoImage() {
        QFETCH(double, D);
        QFETCH(double, d);
        QFETCH(double, h);
        const Picture p = draw(params(D, d, h));
        QVERIFY(!p.out.imageBuilt);
        QCOMPARE(p.count(kObject, 0, p.image.width()), 0);
        QVERIFY(!isRed(p.at(p.cx - 125, p.cy + 3)));
        QVERIFY(p.has(p.cx + 1, p.cy - 50, kLens)); // the lens is still there
    }

    // A lens too weak to enclose its centre is drawn as a plate, never by a
    // fill that floods the picture.
    void weakLensNeverFloodsPicture_data() {
        QTest::addColumn<double>("D");
        for (double D :
             {0.0, 0.01, 0.1, 0.2, 0.3, 0.5, 1.0, 2.0, -0.01, -0.1, -0.3, -0.5, -1.0, -2.0, -3.0})
            QTest::newRow(qPrintable(QString::number(D))) << D;
    }
    void weakLensNeverFloodsPicture() {
        QFETCH(double, D);
        const Picture p = draw(params(D));
        QVERIFY(p.count(kLens, p.cx - 3, p.cx + 4) > 100); // still a visible lens
        QCOMPARE(p.count(kLens, 0, p.cx - 30), 0);
        QCOMPARE(p.count(kLens, p.cx + 30, p.image.width()), 0);
    }

    // Overflowing numbers must give a finite picture and finite outputs,
    // quickly (a flat lens and a far object used to step forever).
    void extremeInputsStayFinite_data() {
        QTest::addColumn<double>("D");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("a");
        const double big = std::numeric_limits<double>::max(); // what "1e400" reads as
        QTest::newRow("D 1e30") << 1e30 << 28.0 << 6.0 << 90.0;
        QTest::newRow("D -1e30") << -1e30 << 28.0 << 6.0 << 90.0;
        QTest::newRow("D 1e-30") << 1e-30 << 28.0 << 6.0 << 90.0;
        QTest::newRow("d 1e-30") << 8.0 << 1e-30 << 6.0 << 90.0;
        QTest::newRow("d 1e30") << 8.0 << 1e30 << 6.0 << 90.0;
        QTest::newRow("a 1e9") << 8.0 << 28.0 << 6.0 << 1e9;
        QTest::newRow("h 1e30") << 8.0 << 28.0 << 1e30 << 45.0;
        QTest::newRow("all 1e400") << big << big << big << big;
        QTest::newRow("all -1e400") << -big << -big << -big << -big;
        QTest::newRow("flat lens far object") << 1e-7 << 1e8 << 6.0 << 90.0;
        QTest::newRow("object through lens plane") << 8.0 << 5.0 << 10.0 << 0.0;
    }
    void extremeInputsStayFinite() {
        QFETCH(double, D);
        QFETCH(double, d);
        QFETCH(double, h);
        QFETCH(double, a);
        QElapsedTimer t;
        t.start();
        const Picture p = draw(params(D, d, h, a));
        QVERIFY2(t.elapsed() < 2000, "took too long");
        QVERIFY(p.out.imageBuilt);
        for (const QString &s : {p.out.imageDistance, p.out.imageHeight}) {
            QVERIFY2(!s.contains(QLatin1String("INF")) && !s.contains(QLatin1String("NAN")),
                     qPrintable(s));
            QVERIFY(!s.isEmpty());
        }
        // The axis row outside the lens is still the axis: nothing garbled it.
        QVERIFY(p.has(1, p.cy, kAxis) || p.has(1, p.cy, kLens));
    }

    // The mouse geometry and the picture agree on where the object is.
    void mouseFindsTheObjectWhereItIsDrawn() {
        LensParams lp = params();
        const Picture p = draw(lp);
        // The default object hangs 280 px left of the lens, 60 px down.
        QVERIFY(p.has(p.cx - 280, p.cy + 30, kObject));
        QVERIFY(onObject(lp, p.cx - 280, p.cy + 30));
        QVERIFY(!onObject(lp, p.cx - 280, p.cy - 30));
        QVERIFY(!onObject(lp, p.cx - 150, p.cy + 30));
        QCOMPARE(slideObject(lp, 15), 26.5f);
        // A tip pulled to the pointer is drawn there.
        const QPoint to(p.cx - 100, p.cy - 40);
        const thinlens::TipPose pose = tipToPointer(lp, to.x(), to.y());
        lp.h = pose.height;
        lp.a = pose.tiltDegrees;
        const Picture moved = draw(lp);
        int near = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                near += moved.has(to.x() + dx, to.y() + dy, kObject);
        QVERIFY(near > 0);
    }

    void backgroundColourFillsPicture() {
        LensParams lp = params();
        lp.colours.background = QColor(0x10, 0x20, 0x30);
        const Picture p = draw(lp);
        QCOMPARE(p.at(0, p.image.height() - 1), QRgb(0x102030));
        QCOMPARE(p.at(p.image.width() - 1, 0), QRgb(0x102030));
    }
};

QTEST_MAIN(TestLensScene)
#include "tst_lensscene.moc"
