// The drawing surface, checked pixel by pixel.
#include "canvas/Canvas.h"
#include "core/Pixels.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

QImage blank(int w = 64, int h = 64, QColor c = kWhite) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// A background where every pixel differs, so a wrong write cannot hide.
QImage noise(int w = 64, int h = 64) {
    QImage img(w, h, QImage::Format_RGB32);
    quint32 s = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1103515245u + 12345u;
            img.setPixel(x, y, 0xFF000000u | (s >> 8));
        }
    return img;
}

bool isBlack(const QImage &img, int x, int y) {
    return (img.pixel(x, y) & 0xFFFFFF) == 0;
}

int countNot(const QImage &img, QColor bg) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) != bg.rgb();
    return n;
}

// Pen pattern along a horizontal line from x = 0 as a string of 1 and 0.
QString runOf(const QImage &img, int y, int n) {
    QString s;
    for (int x = 0; x < n; ++x)
        s += isBlack(img, x, y) ? '1' : '0';
    return s;
}

QString repeatRuns(std::initializer_list<int> runs, int n) {
    QString s;
    while (s.size() < n) {
        bool on = true;
        for (int r : runs) {
            s += QString(r, on ? '1' : '0');
            on = !on;
        }
    }
    return s.left(n);
}

} // namespace

class TestCanvas : public QObject {
    Q_OBJECT
  private slots:
    void lineOmitsEndPixel_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("east") << 12 << 0;
        QTest::newRow("west") << -12 << 0;
        QTest::newRow("south") << 0 << 12;
        QTest::newRow("north") << 0 << -12;
        QTest::newRow("south-east") << 12 << 12;
        QTest::newRow("north-west") << -12 << -12;
        QTest::newRow("north-east") << 12 << -12;
        QTest::newRow("south-west") << -12 << 12;
        QTest::newRow("shallow") << 13 << -4;
        QTest::newRow("steep") << -3 << 11;
    }
    void lineOmitsEndPixel() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QImage img = blank();
        Canvas c(img);
        const int x0 = 30, y0 = 30;
        c.MoveTo(x0, y0);
        c.LineTo(x0 + dx, y0 + dy);
        QCOMPARE(c.PenPos(), QPoint(x0 + dx, y0 + dy));
        QVERIFY(isBlack(img, x0, y0));
        QVERIFY(!isBlack(img, x0 + dx, y0 + dy));
        QCOMPARE(countNot(img, kWhite), std::max(std::abs(dx), std::abs(dy)));
        // Every pixel lies within half a pixel of the ideal line.
        const double len = std::hypot(dx, dy);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (isBlack(img, x, y)) {
                    const double cross = std::abs((x - x0) * dy - (y - y0) * dx) / len;
                    QVERIFY2(cross <= 0.71, qPrintable(QString("%1,%2").arg(x).arg(y)));
                }
    }

    void joinedLinesCoverEveryVertexOnce() {
        QImage img = blank();
        Canvas c(img);
        c.setPenMode(PenMode::Xor);
        c.setPenColor(kWhite); // white XOR white = black
        c.MoveTo(10, 10);
        c.LineTo(30, 10);
        c.LineTo(30, 30);
        c.LineTo(10, 30);
        c.LineTo(10, 10);
        // A closed square of side 20: 80 pixels, corners drawn exactly once.
        QCOMPARE(countNot(img, kWhite), 80);
        QVERIFY(isBlack(img, 30, 10) && isBlack(img, 10, 30) && isBlack(img, 10, 10));
    }

    void wideLineHasFlatCaps_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("top"); // first row covered
        QTest::newRow("3") << 3 << 9;
        QTest::newRow("4") << 4 << 8;
        QTest::newRow("5") << 5 << 8;
    }
    void wideLineHasFlatCaps() {
        QFETCH(int, width);
        QFETCH(int, top);
        QImage img = blank(40, 30);
        Canvas c(img);
        c.setPenWidth(width);
        c.MoveTo(10, 10);
        c.LineTo(30, 10);
        // A band exactly `width` rows high, from the start column up to (not
        // including) the end column: no round or square cap beyond the points.
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool want = x >= 10 && x < 30 && y >= top && y < top + width;
                QVERIFY2(isBlack(img, x, y) == want, qPrintable(QString("%1,%2").arg(x).arg(y)));
            }
    }

    void wideLineFromStartToEnd_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("to");
        for (int width : {2, 3})
            for (const QPoint to : {QPoint(30, 20), QPoint(10, 20), QPoint(20, 5), QPoint(20, 35),
                                    QPoint(9, 31), QPoint(9, 12), QPoint(14, 34), QPoint(31, 9)})
                QTest::addRow("width %d to %d,%d", width, to.x(), to.y()) << width << to;
    }
    void wideLineFromStartToEnd() {
        // Whichever way it runs, a wide line covers its start pixel and
        // leaves its end pixel to the segment that follows.
        QFETCH(int, width);
        QFETCH(QPoint, to);
        QImage img = blank(40, 40);
        Canvas c(img);
        c.setPenWidth(width);
        c.MoveTo(20, 20);
        c.LineTo(to.x(), to.y());
        QVERIFY(isBlack(img, 20, 20));
        QVERIFY(!isBlack(img, to.x(), to.y()));
    }

    void mergeOrsWithBackground() {
        QImage img = blank(16, 16, QColor(0x12, 0x34, 0x0F));
        Canvas c(img);
        c.setPenMode(PenMode::Merge);
        c.setPenColor(QColor(0x81, 0x04, 0xF0));
        c.MoveTo(0, 5);
        c.LineTo(16, 5);
        QCOMPARE(c.pixel(3, 5), QColor(0x93, 0x34, 0xFF));
        QCOMPARE(c.pixel(3, 6), QColor(0x12, 0x34, 0x0F));
    }

    void xorTwiceRestores_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("style");
        const char *names[] = {"line", "polyline", "rectangle", "ellipse", "polygon", "arc"};
        for (int shape = 0; shape < 6; ++shape)
            for (int width : {1, 4, 7})
                for (PenStyle st : {PenStyle::Solid, PenStyle::Dash, PenStyle::DashDotDot})
                    QTest::addRow("%s w%d style%d", names[shape], width, int(st))
                        << shape << width << int(st);
    }
    void xorTwiceRestores() {
        QFETCH(int, shape);
        QFETCH(int, width);
        QFETCH(int, style);
        const QImage before = noise();
        QImage img = before;
        Canvas c(img);
        c.setPenMode(PenMode::Xor);
        c.setPenColor(QColor(0x5A, 0xC3, 0x3C));
        c.setBrushColor(QColor(0x0F, 0xF0, 0x81));
        c.setPenWidth(width);
        c.setPenStyle(PenStyle(style));
        auto draw = [&] {
            switch (shape) {
            case 0:
                c.MoveTo(3, 7);
                c.LineTo(60, 41);
                break;
            case 1:
                c.Polyline({{5, 5}, {50, 12}, {20, 40}, {58, 58}, {5, 30}});
                break;
            case 2:
                c.Rectangle(8, 6, 50, 44);
                break;
            case 3:
                c.Ellipse(4, 10, 60, 50);
                break;
            case 4:
                c.Polygon({{10, 5}, {55, 20}, {30, 60}, {5, 35}});
                break;
            case 5:
                c.Arc(4, 4, 60, 56, 60, 30, 10, 4);
                break;
            }
        };
        draw();
        // One pass changes a pixel either not at all or by exactly one XOR
        // with the pen or the brush: nothing is hit twice.
        int changed = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const quint32 d = (img.pixel(x, y) ^ before.pixel(x, y)) & 0xFFFFFF;
                QVERIFY2(d == 0 || d == 0x5AC33C || d == 0x0FF081,
                         qPrintable(QString("%1,%2: %3").arg(x).arg(y).arg(d, 6, 16)));
                changed += d != 0;
            }
        QVERIFY(changed > 20);
        draw();
        QCOMPARE(img, before);
    }

    void patterns_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("solid") << int(PenStyle::Solid) << QString(60, '1');
        QTest::newRow("dot") << int(PenStyle::Dot) << repeatRuns({3, 3}, 60);
        QTest::newRow("dash") << int(PenStyle::Dash) << repeatRuns({18, 6}, 60);
        QTest::newRow("dash-dot") << int(PenStyle::DashDot) << repeatRuns({9, 6, 3, 6}, 60);
        QTest::newRow("dash-dot-dot")
            << int(PenStyle::DashDotDot) << repeatRuns({9, 3, 3, 3, 3, 3}, 60);
        QTest::newRow("clear") << int(PenStyle::Clear) << QString(60, '0');
    }
    void patterns() {
        QFETCH(int, style);
        QFETCH(QString, expected);
        QImage img = blank();
        Canvas c(img);
        c.setPenStyle(PenStyle(style));
        c.MoveTo(0, 3);
        c.LineTo(64, 3);
        QCOMPARE(runOf(img, 3, 60), expected);
        // The pattern runs on across a joined segment and restarts after MoveTo.
        QImage joined = blank();
        Canvas j(joined);
        j.setPenStyle(PenStyle(style));
        j.MoveTo(0, 3);
        j.LineTo(25, 3);
        j.LineTo(64, 3);
        QCOMPARE(runOf(joined, 3, 60), expected);
        j.MoveTo(0, 9);
        j.LineTo(64, 9);
        QCOMPARE(runOf(joined, 9, 60), expected);
    }

    void rectangleExcludesRightAndBottom_data() {
        QTest::addColumn<bool>("fillOnly");
        QTest::newRow("Rectangle") << false;
        QTest::newRow("FillRect") << true;
    }
    void rectangleExcludesRightAndBottom() {
        QFETCH(bool, fillOnly);
        QImage img = blank(20, 20);
        Canvas c(img);
        c.setBrushColor(QColor(255, 0, 0));
        if (fillOnly)
            c.FillRect(QRect(QPoint(3, 4), QPoint(12, 10)));
        else
            c.Rectangle(3, 4, 12, 10);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool in = x >= 3 && x < 12 && y >= 4 && y < 10;
                const bool edge = x == 3 || x == 11 || y == 4 || y == 9;
                const QColor want = !in ? kWhite : (edge && !fillOnly) ? kBlack : QColor(255, 0, 0);
                QVERIFY2(c.pixel(x, y) == want, qPrintable(QString("%1,%2").arg(x).arg(y)));
            }
    }

    void ellipseInscribedInBox() {
        QImage img = blank(40, 40);
        Canvas c(img);
        c.setBrushStyle(BrushStyle::Clear);
        c.Ellipse(5, 8, 35, 28);
        // Touches each side of the box on the inside, never the excluded edges.
        QVERIFY(isBlack(img, 20, 8) && isBlack(img, 20, 27));
        QVERIFY(isBlack(img, 5, 18) && isBlack(img, 34, 18));
        for (int i = 0; i < 40; ++i) {
            QVERIFY(!isBlack(img, 35, i) && !isBlack(img, i, 28));
            QVERIFY(!isBlack(img, 4, i) && !isBlack(img, i, 7));
        }
        QVERIFY(!isBlack(img, 20, 18)); // hollow with a clear brush
    }

    void arcRunsCounterClockwiseBetweenRadials() {
        QImage img = blank(60, 60);
        Canvas c(img);
        // Box centre (30, 30), radius 20. From the east radial to the north one,
        // counter-clockwise: the upper-right quarter only.
        c.Arc(10, 10, 50, 50, 59, 30, 30, 0);
        QVERIFY(isBlack(img, 49, 29) || isBlack(img, 49, 30)); // starts on the east radial
        QVERIFY(isBlack(img, 29, 10) || isBlack(img, 30, 10)); // ends on the north radial
        bool northEast = false;                                // crosses the 45 degree diagonal
        for (int k = 12; k <= 16; ++k)
            northEast = northEast || isBlack(img, 30 + k, 29 - k) || isBlack(img, 31 + k, 29 - k);
        QVERIFY(northEast);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                if (isBlack(img, x, y))
                    QVERIFY2(x >= 29 && y <= 30, qPrintable(QString("%1,%2").arg(x).arg(y)));
        // Swapping the radials draws the other three quarters.
        QImage other = blank(60, 60);
        Canvas o(other);
        o.Arc(10, 10, 50, 50, 30, 0, 59, 30);
        QVERIFY(isBlack(other, 10, 30) && isBlack(other, 30, 49) && !isBlack(other, 44, 15));
    }

    void floodFillStopsAtBorder() {
        QImage img = blank(80, 40);
        Canvas c(img);
        // A lens: the right side of one ellipse and the left side of a
        // shifted one, meeting in sharp tips.
        c.Arc(0, 0, 60, 40, 36, 40, 36, 0);
        c.Arc(12, 0, 72, 40, 36, 0, 36, 40);
        c.setBrushStyle(BrushStyle::Solid);
        c.setBrushColor(QColor(0, 0, 255));
        c.FloodFill(36, 20, kBlack);
        int blue = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 80; ++x) {
                const QColor p = c.pixel(x, y);
                blue += p == QColor(0, 0, 255);
                // Inside both ellipses (away from the outline) is filled, outside is not.
                const double e1 = std::hypot((x + 0.5 - 30) / 30, (y + 0.5 - 20) / 20);
                const double e2 = std::hypot((x + 0.5 - 42) / 30, (y + 0.5 - 20) / 20);
                if (e1 < 0.93 && e2 < 0.93) QCOMPARE(p, QColor(0, 0, 255));
                if (e1 > 1.05 || e2 > 1.05) QVERIFY(p != QColor(0, 0, 255));
            }
        QVERIFY(blue > 400);
        // An open region fills up to the image edge and stops there.
        QImage open = blank(30, 30);
        Canvas o(open);
        o.setBrushColor(QColor(0, 0, 255));
        o.FloodFill(5, 5, kBlack);
        QCOMPARE(countNot(open, QColor(0, 0, 255)), 0);
        // Brush in the border colour, start on the border, start outside: no hang, no change.
        o.setBrushColor(kBlack);
        o.FloodFill(1, 1, kBlack);
        o.FloodFill(1, 1, kBlack);
        o.FloodFill(-5, 100000, kBlack);
        QCOMPARE(countNot(open, kBlack), 0);
    }

    void textTopLeftAtPoint() {
        QImage img = blank(120, 60);
        Canvas c(img);
        QFont f;
        f.setPixelSize(20);
        c.setFont(f);
        c.setBrushColor(QColor(255, 255, 0));
        c.setFontColor(QColor(255, 0, 0));
        c.TextOut(30, 20, "HMW");
        const QSize ext = c.TextExtent("HMW");
        QVERIFY(ext.width() > 10 && ext.height() >= 20);
        // The background box starts exactly at the point.
        QCOMPARE(c.pixel(30, 20).rgb() & 0xFFFFFF, 0xFFFF00u);
        QCOMPARE(c.pixel(29, 20), kWhite);
        QCOMPARE(c.pixel(30, 19), kWhite);
        QCOMPARE(c.pixel(30 + ext.width(), 20 + ext.height()), kWhite);
        // Only three colours: no antialiasing, the ink in the font colour.
        int ink = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 120; ++x) {
                const QColor p = c.pixel(x, y);
                QVERIFY(p == kWhite || p == QColor(255, 0, 0) || p == QColor(255, 255, 0));
                ink += p == QColor(255, 0, 0);
            }
        QVERIFY(ink > 20);
    }

    void hugeCoordinatesDrawNothingWrong_data() {
        QTest::addColumn<double>("far");
        QTest::newRow("1e12") << 1e12;
        QTest::newRow("-1e12") << -1e12;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("inf") << std::numeric_limits<double>::infinity();
    }
    void hugeCoordinatesDrawNothingWrong() {
        QFETCH(double, far);
        const int p = toPixel(far);
        QImage img = blank(200, 200);
        Canvas c(img);
        QElapsedTimer t;
        t.start();
        c.setPenWidth(1);
        c.MoveTo(100, 100);
        c.LineTo(p, p / 3);
        c.MoveTo(p, 50);
        c.LineTo(-p, 60);
        c.setPenWidth(5);
        c.MoveTo(p, -p);
        c.LineTo(-p, p);
        c.Rectangle(-p, -p, p, p);
        c.Ellipse(-p, -p, p, p);
        c.Arc(-p, -p, p, p, p, 0, 0, p);
        c.Polygon({{-p, 0}, {p, 1}, {0, p}});
        c.FillRect(-p, -p, p, p);
        c.FloodFill(p, p, kBlack);
        c.TextOut(p, p, "x");
        QVERIFY2(t.elapsed() < 2000, "a far coordinate must not make drawing walk to it");
        // A line through the image from far away lands where a near one would.
        QImage a = blank(200, 200), b = blank(200, 200);
        Canvas ca(a), cb(b);
        ca.MoveTo(-1000000, 100);
        ca.LineTo(1000000, 100);
        cb.MoveTo(0, 100);
        cb.LineTo(200, 100);
        QCOMPARE(a, b);
    }

    // Random shapes with coordinates from near to the int limits: no crash or
    // undefined behaviour (the sanitized build runs this too), and XOR twice
    // still restores the picture.
    void randomShapesAnywhere() {
        QRandomGenerator rng;
        const int far[] = {std::numeric_limits<int>::min(), -1000000, -70000, 1000000,
                           std::numeric_limits<int>::max()};
        auto coord = [&] {
            return rng.bounded(4) == 0 ? far[rng.bounded(5)] : int(rng.bounded(120)) - 30;
        };
        const QImage before = noise();
        QImage img = before;
        Canvas c(img);
        c.setPenMode(PenMode::Xor);
        c.setPenColor(QColor(0x33, 0x66, 0x99));
        c.setBrushStyle(BrushStyle::Clear);
        for (int round = 0; round < 2; ++round) {
            rng.seed(7);
            for (int i = 0; i < 300; ++i) {
                c.setPenWidth(1 + int(rng.bounded(6)));
                c.setPenStyle(PenStyle(rng.bounded(5)));
                switch (rng.bounded(5)) {
                case 0:
                    c.MoveTo(coord(), coord());
                    c.LineTo(coord(), coord());
                    break;
                case 1:
                    c.Rectangle(coord(), coord(), coord(), coord());
                    break;
                case 2:
                    c.Ellipse(coord(), coord(), coord(), coord());
                    break;
                case 3:
                    c.Arc(coord(), coord(), coord(), coord(), coord(), coord(), coord(), coord());
                    break;
                case 4:
                    c.Polyline({{coord(), coord()}, {coord(), coord()}, {coord(), coord()}});
                    break;
                }
            }
        }
        QCOMPARE(img, before);
        // Copy-mode operations at the limits stay inside the image.
        c.setPenMode(PenMode::Copy);
        c.setBrushStyle(BrushStyle::Solid);
        for (int i = 0; i < 200; ++i) {
            c.FillRect(coord(), coord(), coord(), coord());
            c.Polygon({{coord(), coord()}, {coord(), coord()}, {coord(), coord()}});
            c.CopyRect(QRect(QPoint(coord(), coord()), QPoint(coord(), coord())), c,
                       QRect(QPoint(coord(), coord()), QPoint(coord(), coord())));
            c.TextOut(coord(), coord(), "W");
            c.FloodFill(coord(), coord(), QColor(0x33, 0x66, 0x99));
        }
    }

    void pixelAccessIsBounded() {
        QImage img = blank(4, 4);
        Canvas c(img);
        c.setPixel(-1, 0, kBlack);
        c.setPixel(4, 0, kBlack);
        c.setPixel(0, 4, kBlack);
        QCOMPARE(countNot(img, kWhite), 0);
        c.setPixel(3, 3, kBlack);
        QCOMPARE(c.pixel(3, 3), kBlack);
        QVERIFY(!c.pixel(4, 4).isValid());
    }

    void copyRectCopiesAndStretches() {
        QImage src = noise(20, 20), dst = blank(40, 40);
        Canvas s(src), d(dst);
        d.CopyRect(QRect(QPoint(5, 6), QPoint(15, 16)), s, QRect(QPoint(2, 3), QPoint(12, 13)));
        QCOMPARE(d.pixel(5, 6), s.pixel(2, 3));
        QCOMPARE(d.pixel(14, 15), s.pixel(11, 12));
        QCOMPARE(d.pixel(15, 16), kWhite);
        d.CopyRect(QRect(QPoint(20, 20), QPoint(40, 40)), s, QRect(QPoint(0, 0), QPoint(10, 10)));
        QCOMPARE(d.pixel(20, 20), s.pixel(0, 0));
        QCOMPARE(d.pixel(21, 21), s.pixel(0, 0));
        QCOMPARE(d.pixel(39, 39), s.pixel(9, 9));
        // Overlapping copy within one canvas.
        const QColor at00 = s.pixel(0, 0);
        s.CopyRect(QRect(QPoint(1, 1), QPoint(20, 20)), s, QRect(QPoint(0, 0), QPoint(19, 19)));
        QCOMPARE(s.pixel(1, 1), at00);
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
