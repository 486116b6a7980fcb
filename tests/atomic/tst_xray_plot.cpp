// The spectrum picture: axes and ticks, where curves start, colour cycling,
// invalid indices and the XOR marker, checked pixel by pixel.
#include "atomic/xray/XraySpectrumPlot.h"
#include "canvas/Canvas.h"

#include <QTest>

using namespace Break_x;

namespace {

constexpr int W = 588;
constexpr int H = 445;

QImage whitePicture() {
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

int countColour(const QImage &img, QRgb colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

QRgb at(const QImage &img, int x, int y) {
    return img.pixel(x, y) & 0xFFFFFF;
}

// The window's state, held by the test instead.
XrayState plotState;

bool draw(QImage &img, int index, int volts) {
    plotState.V = volts;
    Canvas c(img);
    return DrawRadiationGraphic(plotState, static_cast<std::uint8_t>(index), c, img.width(),
                                img.height());
}

} // namespace

class TestXrayPlot : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        QImage img = whitePicture();
        Canvas c(img);
        ResetGraphics(plotState, c, W, H);
    }

    void invalidIndexDrawsAxesOnly_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("not found") << 0;
        QTest::newRow("past the table") << 17;
        QTest::newRow("largest byte") << 255;
    }
    void invalidIndexDrawsAxesOnly() {
        QFETCH(int, index);
        QImage img = whitePicture();
        QVERIFY(!draw(img, index, 11000));
        QCOMPARE(countColour(img, 0xFF0000), 0);
        QCOMPARE(at(img, 10, H / 2), 0x0000FFu);
        QCOMPARE(at(img, W / 2, H - 11), 0x0000FFu);
        QCOMPARE(plotState.CurColor, 2); // the list row took the colour all the same
    }

    void axesArrowsAndTicks() {
        QImage img = whitePicture();
        QVERIFY(draw(img, FindElement("Fe"), 11000));
        // Arrow heads at the top of the vertical axis and the end of the horizontal one.
        QCOMPARE(at(img, 8, 12), 0x0000FFu);
        QCOMPARE(at(img, 12, 12), 0x0000FFu);
        QCOMPARE(at(img, W - 13, H - 13), 0x0000FFu);
        QCOMPARE(at(img, W - 14, H - 8), 0x0000FFu);
        // Intensity ticks every 0.1 (0.7 falls just above the picture), none between.
        for (int k = 1; k <= 6; ++k) {
            const int y = CurveY(plotState, k / 10.0L, H);
            QCOMPARE(at(img, 8, y), 0x0000FFu);
            QCOMPARE(at(img, 8, y + 30), 0xFFFFFFu);
        }
        // Wavelength ticks 1..6 with their labels above.
        for (int k = 1; k <= 6; ++k) {
            const int x = CurveX(plotState, k);
            QCOMPARE(at(img, x, H - 9), 0x0000FFu);
            bool ink = false;
            for (int y = H - 30; y < H - 16; ++y)
                for (int dx = 0; dx < 8; ++dx)
                    ink = ink || qGray(img.pixel(x + dx, y)) < 128;
            QVERIFY2(ink, qPrintable(QString::number(k)));
        }
        QCOMPARE(double(plotState.lambda), 7.0);
    }

    void curvesStartOnTheAxis_data() {
        QTest::addColumn<QString>("symbol");
        QTest::newRow("Kr") << "Kr";
        QTest::newRow("Hg") << "Hg";
        QTest::newRow("Ca") << "Ca";
    }
    void curvesStartOnTheAxis() {
        QFETCH(QString, symbol);
        QImage img = whitePicture();
        QVERIFY(draw(img, FindElement(symbol.toStdString()), 115000));
        const int x0 = CurveX(plotState, hc / 115000);
        // The curve's first point lies on the axis, drawn over it in red; without
        // the forced zero, Kr and Hg would start far above it.
        QCOMPARE(at(img, x0, H - 11), 0xFF0000u);
        // Nothing red left of the short-wavelength limit.
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < x0; ++x)
                QVERIFY(at(img, x, y) != 0xFF0000u);
    }

    void lineThreeOfIronPeaksWhereExpected() {
        QImage img = whitePicture();
        QVERIFY(draw(img, FindElement("Fe"), 11000));
        const XraySpectrum fe(*ElementAt(FindElement("Fe")), 11000);
        const int x = CurveX(plotState, fe.lines()[2].lambda);
        int top = H;
        for (int dx = -3; dx <= 3; ++dx)
            for (int y = 0; y < H; ++y)
                if (at(img, x + dx, y) == 0xFF0000u) top = std::min(top, y);
        // About 0.06 + continuum above the axis: 40 to 60 pixels at this height.
        QVERIFY2(top < H - 11 - 40 && top > H - 11 - 60, qPrintable(QString::number(top)));
    }

    void ninthCurveIsRedAgain() {
        QImage img = whitePicture();
        const QRgb expected[] = {0xFF0000, 0x0000FF, 0x008000, 0x800000,
                                 0xFFFF00, 0x000000, 0x008080, 0x808000};
        for (int i = 0; i < 8; ++i) {
            QImage one = whitePicture();
            QVERIFY(draw(one, FindElement("Pt"), 115000));
            if (i != 1) // the blue curve blends with the axes
                QVERIFY(countColour(one, expected[i]) > 500);
        }
        QCOMPARE(plotState.CurColor, 1);
        QVERIFY(draw(img, FindElement("Pt"), 115000));
        QVERIFY(countColour(img, 0xFF0000) > 500);
        QCOMPARE(countColour(img, 0x008080), 0);
    }

    void resetWhitensAndRestartsColours() {
        QImage img = whitePicture();
        QVERIFY(draw(img, FindElement("U"), 115000));
        QVERIFY(draw(img, FindElement("Ba"), 115000));
        Canvas c(img);
        ResetGraphics(plotState, c, W, H);
        QCOMPARE(plotState.CurColor, 1);
        QCOMPARE(countColour(img, 0xFFFFFF), W * H);
    }

    void markerIsXor() {
        QImage img = whitePicture();
        QVERIFY(draw(img, FindElement("U"), 115000));
        const QImage before = img.copy();
        Canvas c(img);
        DrawMarker(c, 150, H);
        QCOMPARE(at(img, 160, 11), 0xFF7FFFu);
        QCOMPARE(at(img, 160, H - 10), 0xFF7FFFu);
        QCOMPARE(at(img, 160, 10), 0xFFFFFFu); // end pixel excluded
        QCOMPARE(c.penMode(), PenMode::Copy);
        DrawMarker(c, 150, H);
        QCOMPARE(img, before);
    }

    void tinyPicturesAreHarmless_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("empty") << QSize(0, 0);
        QTest::newRow("one pixel") << QSize(1, 1);
        QTest::newRow("narrower than the margins") << QSize(20, 300);
    }
    void tinyPicturesAreHarmless() {
        QFETCH(QSize, size);
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::white);
        QVERIFY(draw(img, FindElement("Hg"), 115000));
        Canvas c(img);
        DrawMarker(c, 5, size.height());
        ResetGraphics(plotState, c, size.width(), size.height());
    }
};

QTEST_MAIN(TestXrayPlot)
#include "tst_xray_plot.moc"
