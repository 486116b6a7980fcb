// The focal-length picture and its numbers, without the window: lens
// thickness and its limits, the drag's forbidden ranges, the front's pace,
// the wheel, and the pixels of the lens and the beam at design size.
#include "canvas/Canvas.h"
#include "geometric/focal/FocalLength.h"
#include "geometric/focal/FocalScene.h"

#include <QGuiApplication>
#include <QTest>

using namespace focal;

namespace {

constexpr QRgb kCyan = 0x00FFFF, kWhite = 0xFFFFFF;

struct Picture {
    QImage image;
    explicit Picture(const FocalParams &p)
        : image(p.panelWidth, p.panelHeight, QImage::Format_RGB32) {
        image.fill(Qt::black);
        Canvas c(image);
        drawFocalScene(c, p);
    }
    QRgb at(int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
    // First and last column of row y holding the colour, or (-1, -1).
    QPair<int, int> extent(int y, QRgb colour) const {
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x)
            if (at(x, y) == colour) {
                if (first < 0) first = x;
                last = x;
            }
        return {first, last};
    }
    // Rows of column x that are white.
    QList<int> whiteRows(int x) const {
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (at(x, y) == kWhite) rows << y;
        return rows;
    }
};

FocalParams params(int F, int P = 0, int T = 0) {
    FocalParams p;
    p.F = F;
    p.P = P;
    p.T = T;
    return p;
}

FocalParams sized(int F, int Wp, int Hp) {
    FocalParams p = params(F);
    p.panelWidth = Wp;
    p.panelHeight = Hp;
    p.imageWidth = Wp - 2;
    p.imageHeight = Hp - 2;
    return p;
}

} // namespace

class TestFocal : public QObject {
    Q_OBJECT
  private slots:
    void thicknessFollowsFocalLengthWithinLimits_data() {
        QTest::addColumn<int>("F");
        QTest::addColumn<float>("s");
        QTest::newRow("design F=100") << 100 << 20.0f;
        QTest::newRow("weak F=200 raised") << 200 << 20.0f;
        QTest::newRow("strongest drag F=30") << 30 << 66.666664f;
        QTest::newRow("F=20 at the limit") << 20 << 100.0f;
        QTest::newRow("F=-10 limited") << -10 << -100.0f;
        QTest::newRow("F=-100") << -100 << -20.0f;
        QTest::newRow("no lens F=0") << 0 << 0.0f;
    }
    void thicknessFollowsFocalLengthWithinLimits() {
        QFETCH(int, F);
        QFETCH(float, s);
        QCOMPARE(lensThickness(F), s);
    }

    void dragSkipsForbiddenFocalLengths_data() {
        QTest::addColumn<int>("dragged");
        QTest::addColumn<int>("kept");
        QTest::newRow("29 -> 30") << 29 << 30;
        QTest::newRow("30 stays") << 30 << 30;
        QTest::newRow("0 stays (line on the lens)") << 0 << 0;
        QTest::newRow("-1 -> -10") << -1 << -10;
        QTest::newRow("-9 -> -10") << -9 << -10;
        QTest::newRow("-10 stays") << -10 << -10;
    }
    void dragSkipsForbiddenFocalLengths() {
        QFETCH(int, dragged);
        QFETCH(int, kept);
        QCOMPARE(dragFocal(dragged), kept);
    }

    void wheelAddsWholeDegrees_data() {
        QTest::addColumn<int>("T");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("after");
        QTest::newRow("notch up") << 0 << 120 << 1;
        QTest::newRow("half notch") << 0 << 60 << 0;
        QTest::newRow("notch down") << 0 << -120 << -1;
        QTest::newRow("199 truncates to 1") << 5 << 199 << 6;
        QTest::newRow("a full turn wraps") << 359 << 120 << 0;
        QTest::newRow("huge delta") << 0 << 2147483647 << 21474836 % 360;
    }
    void wheelAddsWholeDegrees() {
        QFETCH(int, T);
        QFETCH(int, delta);
        QFETCH(int, after);
        QCOMPARE(wheelTilt(T, delta), after);
    }

    void frontReachesLensAfter34Ticks() {
        const int Wi = 534;
        int P = 0, ticks = 0;
        while (P <= 100) {
            P = settleFront(advanceFront(P, Wi), Wi);
            ++ticks;
        }
        QCOMPARE(ticks, 34);
        QCOMPARE(P, 102);
        // 4 px a tick once past the middle; never past the edge.
        QCOMPARE(advanceFront(265, Wi), 269);
        QCOMPARE(settleFront(advanceFront(532, Wi), Wi), Wi);
    }

    void designLensIsThinAndSpansTheHeight() {
        const Picture pic(params(100));
        // s = 20: the outline is 10 px thick around the panel's centre 268.
        const auto mid = pic.extent(174, kCyan);
        QVERIFY2(mid.first >= 262 && mid.first <= 264, qPrintable(QString::number(mid.first)));
        QVERIFY2(mid.second >= 272 && mid.second <= 274, qPrintable(QString::number(mid.second)));
        for (int y : {45, 100, 250, 300}) {
            const auto row = pic.extent(y, kCyan);
            QVERIFY2(row.first > 255 && row.second < 281 && row.first >= 0,
                     qPrintable(QString::number(y)));
        }
        QCOMPARE(pic.at(0, 0), QRgb(0));
    }

    void weakLensesLookAlike() {
        // F = 200 is drawn as thin as F = 100; only the focal line moves.
        const Picture a(params(100)), b(params(200));
        QCOMPARE(a.image.copy(0, 0, 340, 348), b.image.copy(0, 0, 340, 348));
    }

    void divergingOutlineEdges_data() {
        QTest::addColumn<int>("F");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        // Top edge at Hp div 16 = 21 from cx + 0.8 (0.75 s + e) to cx - 0.8 (0.25 s - e).
        QTest::newRow("F=-10: s=-100, e=27") << -10 << 229 << 309;
        QTest::newRow("F=-100: s=-20, e=5") << -100 << 260 << 276;
    }
    void divergingOutlineEdges() {
        QFETCH(int, F);
        QFETCH(int, left);
        QFETCH(int, right);
        const Picture pic(params(F));
        const auto top = pic.extent(348 / 16, kCyan);
        QVERIFY2(std::abs(top.first - left) <= 1, qPrintable(QString::number(top.first)));
        QVERIFY2(std::abs(top.second - right) <= 2, qPrintable(QString::number(top.second)));
        // Filled between the edges, not around them.
        QCOMPARE(pic.at(264, 348 / 17 + 6), kCyan); // left of the lens plane
        QCOMPARE(pic.at(5, 5), QRgb(0));
    }

    void raysMeetAtTheFocus() {
        // The front well past the lens: the 13 rays meet at (367, 173).
        const Picture pic(params(100, 300));
        const QList<int> spread = pic.whiteRows(300);
        QVERIFY2(spread.size() >= 13, qPrintable(QString::number(spread.size())));
        QVERIFY(spread.first() < 173 - 50 && spread.last() > 173 + 50);
        for (int x : {365, 366, 367}) {
            const QList<int> rows = pic.whiteRows(x);
            QVERIFY(!rows.isEmpty());
            QVERIFY2(
                rows.first() >= 171 && rows.last() <= 175,
                qPrintable(QStringLiteral("%1: %2..%3").arg(x).arg(rows.first()).arg(rows.last())));
        }
    }

    void divergingRaysSpreadFromVirtualFocus() {
        const Picture pic(params(-100, 400));
        // 100 px behind the lens the rays 16 px off the axis stand 32 px off it.
        for (int y : {173 + 32, 173 - 32}) {
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                near = near || pic.at(367, y + dy) == kWhite;
            QVERIFY2(near, qPrintable(QString::number(y)));
        }
        // The dotted extensions meet left of the lens at x = 167.
        int lit = 0;
        for (int y = 168; y <= 178; ++y)
            lit += pic.at(169, y) == kWhite || pic.at(170, y) == kWhite;
        QVERIFY(lit > 0);
    }

    void arrowheadsWhileTheFrontTravels() {
        // P = 50: the front at x = 133; no ray is drawn beyond it.
        const Picture pic(params(100, 50));
        QVERIFY(pic.whiteRows(140).isEmpty());
        QVERIFY(pic.whiteRows(130).size() >= 13 * 2); // each ray and its barbs
    }

    void tiltedBeamAndNoLensKeepsPicture() {
        // F = 0: nothing is drawn, the picture stays.
        QImage image(536, 348, QImage::Format_RGB32);
        image.fill(0x123456);
        Canvas c(image);
        QVERIFY(!drawFocalScene(c, params(0, 300)));
        QCOMPARE(image.pixel(10, 10) & 0xFFFFFF, QRgb(0x123456));
        // Degenerate panels draw without trouble.
        for (QSize size : {QSize(1, 1), QSize(20, 12), QSize(3, 300)}) {
            Picture tiny(sized(-10, size.width(), size.height()));
            QCOMPARE(tiny.image.size(), size);
        }
        // A near-vertical beam draws without trouble.
        for (int T : {89, 90, -90, 270})
            QVERIFY(drawFocalScene(c, params(100, 300, T)));
    }

    void fillNeverEscapesTheOutline_data() {
        QTest::addColumn<int>("Wp");
        QTest::addColumn<int>("Hp");
        QTest::newRow("design") << 536 << 348;
        QTest::newRow("small") << 200 << 90;
        QTest::newRow("large") << 1200 << 900;
    }
    void fillNeverEscapesTheOutline() {
        QFETCH(int, Wp);
        QFETCH(int, Hp);
        for (int F = -400; F <= 400; F += 3) {
            if (dragFocal(F) != F || F == 0) continue;
            const Picture pic(sized(F, Wp, Hp));
            QVERIFY2(pic.at(0, 0) != kCyan && pic.at(Wp - 1, Hp - 1) != kCyan,
                     qPrintable(QString::number(F)));
        }
    }
};

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestFocal t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_focal.moc"
