// The plane-mirror construction in whole pixels, the clamps that keep the
// pictures right of the mirror, and the picture drawn from them.
#include "canvas/Canvas.h"
#include "geometric/mirror/MirrorScene.h"
#include "geometric/mirror/PlaneMirror.h"

#include <QTest>

using planemirror::Box;

namespace {

constexpr int kW = 542, kH = 341; // the drawing area at design size

QImage drawn(const MirrorParams &p) {
    QImage img(p.fillWidth, p.fillHeight, QImage::Format_RGB32);
    img.fill(Qt::red); // anything the fill misses stays red
    Canvas c(img);
    c.setBrushColor(Qt::black);
    drawMirrorScene(c, p);
    return img;
}

QRgb rgb(const QImage &img, int x, int y) {
    return img.pixel(x, y) & 0xFFFFFF;
}

} // namespace

class TestPlaneMirror : public QObject {
    Q_OBJECT
  private slots:
    void constructionAtStart() {
        const auto c = planemirror::construct(kW, kH, {416, 40, 32, 48}, {424, 264, 32, 32});
        QCOMPARE(c.mirrorX, 271);
        QCOMPARE(c.lampY, 64);
        QCOMPARE(c.e, -303);
        QCOMPARE(c.f, -158);
        QCOMPARE(QPoint(c.top.mirrorX, c.top.mirrorY), QPoint(271, 160));
        QCOMPARE(QPoint(c.bottom.mirrorX, c.bottom.mirrorY), QPoint(271, 176));
        QCOMPARE(QPoint(c.top.eyeX, c.top.eyeY), QPoint(429, 264));
        QCOMPARE(QPoint(c.bottom.eyeX, c.bottom.eyeY), QPoint(429, 296));
        QCOMPARE(c.imageX, 121);
        QCOMPARE(QPoint(c.virtualLeft, c.virtualTop), QPoint(94, 40));
    }

    // The reflection points lie on the lines from the eye to the lamp's
    // image (W - lamp.left, yL): check against the exact intersection.
    void reflectionOnLineToImage_data() {
        QTest::addColumn<Box>("lamp");
        QTest::addColumn<Box>("eye");
        QTest::newRow("start") << Box{416, 40, 32, 48} << Box{424, 264, 32, 32};
        QTest::newRow("eye above lamp") << Box{300, 250, 32, 48} << Box{500, 10, 32, 32};
        QTest::newRow("both near the mirror") << Box{271, 100, 32, 48} << Box{272, 120, 32, 32};
        QTest::newRow("far corners") << Box{510, 293, 32, 48} << Box{271, 0, 32, 32};
    }
    void reflectionOnLineToImage() {
        QFETCH(Box, lamp);
        QFETCH(Box, eye);
        const auto c = planemirror::construct(kW, kH, lamp, eye);
        const double ix = kW - lamp.left, iy = lamp.top + lamp.height / 2;
        for (const auto &r : {c.top, c.bottom}) {
            const double t = (c.mirrorX - r.eyeX) / (ix - r.eyeX);
            const double exact = r.eyeY + t * (iy - r.eyeY);
            QVERIFY2(std::abs(r.mirrorY - exact) < 1.0, qPrintable(QString::number(exact)));
        }
        QVERIFY(c.e < 0);
        QVERIFY(c.f < 0);
    }

    void lampLevelWithEyeTopGivesHorizontalRay() {
        // yL = 40 + 24 = 64 = yT
        const auto c = planemirror::construct(kW, kH, {400, 40, 32, 48}, {450, 64, 32, 32});
        QCOMPARE(c.top.mirrorY, 64);
        QCOMPARE(c.top.eyeY, 64);
        QVERIFY(c.bottom.mirrorY < c.bottom.eyeY);
    }

    void keepInside_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("limitW");
        QTest::addColumn<int>("limitH");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("inside stays") << 400 << 100 << 32 << 48 << QPoint(400, 100);
        QTest::newRow("left of the mirror") << 10 << 100 << 32 << 48 << QPoint(271, 100);
        QTest::newRow("above the top") << 400 << -30 << 32 << 48 << QPoint(400, 0);
        QTest::newRow("lamp past the bottom") << 400 << 500 << 32 << 48 << QPoint(400, 293);
        QTest::newRow("eye past the bottom") << 400 << 500 << 32 << 32 << QPoint(400, 309);
        QTest::newRow("past the right edge") << 900 << 100 << 32 << 48 << QPoint(510, 100);
        QTest::newRow("far corner") << -2000000000 << 2000000000 << 32 << 48 << QPoint(271, 293);
    }
    void keepInside() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, limitW);
        QFETCH(int, limitH);
        QFETCH(QPoint, expected);
        planemirror::keepInside(kW, kH, limitW, limitH, left, top);
        QCOMPARE(QPoint(left, top), expected);
    }

    // On a surface narrower than two pictures the clamps cannot keep both
    // right of the mirror; the denominator may then be 0 and must not be
    // divided by.
    void tinySurfaceNeverDividesByZero() {
        const int W = 59, H = 40;
        int ll = 100, lt = 0, el = 100, et = 0;
        planemirror::keepInside(W, H, 32, 48, ll, lt);
        planemirror::keepInside(W, H, 32, 32, el, et);
        const auto c = planemirror::construct(W, H, {ll, lt, 32, 48}, {el, et, 32, 32});
        QCOMPARE(c.e, 0);
        QCOMPARE(c.top.mirrorY, c.top.eyeY);
        MirrorParams p;
        p.width = W;
        p.height = H;
        p.fillWidth = W + 2;
        p.fillHeight = H + 2;
        p.lamp = {ll, lt, 32, 48};
        p.eye = {el, et, 32, 32};
        QCOMPARE(drawn(p).width(), W + 2);
    }

    void pictureAtStart() {
        const MirrorParams p;
        const QImage img = drawn(p);
        // The background fill covers the whole panel area.
        QCOMPARE(rgb(img, 543, 342), 0x000000u);
        // The mirror: two cyan columns at the middle, down to the bottom.
        QCOMPARE(rgb(img, 271, 5), 0x00FFFFu);
        QCOMPARE(rgb(img, 271, 330), 0x00FFFFu);
        // The hatching behind it, grey, on the left only.
        int grey = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 264; x < 270; ++x)
                grey += rgb(img, x, y) == 0x808080;
        QVERIFY2(grey > 150, qPrintable(QString::number(grey)));
        QCOMPARE(rgb(img, 285, 20), 0x000000u);
        // Rays: white at their ends on the eye, on both legs near the
        // reflection points, and nowhere near another height on the mirror.
        QCOMPARE(rgb(img, 428, 263), 0xFFFFFFu);
        QCOMPARE(rgb(img, 428, 295), 0xFFFFFFu);
        QCOMPARE(rgb(img, 300, 179), 0xFFFFFFu); // eye -> (271,160)
        QCOMPARE(rgb(img, 300, 141), 0xFFFFFFu); // (271,160) -> lamp
        QCOMPARE(rgb(img, 300, 145), 0x000000u);
        QCOMPARE(rgb(img, 274, 120), 0x000000u);
        // The dotted extension of the top ray: along its course some
        // columns are lit and some are left dark (a solid line lights all).
        int lit = 0, gaps = 0;
        for (int x = 130; x < 260; ++x) {
            const int y = 160 + (64 - 160) * (x - 271) / (121 - 271);
            const bool on = rgb(img, x, y - 1) == 0xFFFFFF || rgb(img, x, y) == 0xFFFFFF ||
                            rgb(img, x, y + 1) == 0xFFFFFF;
            (on ? lit : gaps) += 1;
        }
        QVERIFY2(lit > 30 && gaps > 20, qPrintable(QStringLiteral("%1 %2").arg(lit).arg(gaps)));
        // Nothing on the left half beyond the hatching and the extensions.
        QCOMPARE(rgb(img, 60, 300), 0x000000u);
    }
};

QTEST_MAIN(TestPlaneMirror)
#include "tst_planemirror.moc"
