// The spectrometer picture: where the lines of each order land and in which
// colour, the source colour, the progress, and the merged runs against the
// straightforward drawing.
#include "SpectrometerReference.h"
#include "canvas/Canvas.h"
#include "canvas/Colours.h"
#include "core/WavelengthWalk.h"
#include "waves/spectrometer/SpectrometerScene.h"

#include <QGuiApplication>
#include <QTest>

namespace {

constexpr int kW = 681, kH = 420; // the picture control at design size

SpectrometerParams params(SpectrumSource source, bool zeroth, bool first, bool second) {
    SpectrometerParams p;
    p.imageWidth = kW;
    p.imageHeight = kH;
    p.panelWidth = kW + 2;
    p.panelHeight = kH + 2;
    p.whiteLight = false;
    p.source = std::move(source);
    p.zerothOrder = zeroth;
    p.firstOrder = first;
    p.secondOrder = second;
    return p;
}

QImage render(const SpectrometerParams &p, int *maximum = nullptr, int *last = nullptr) {
    QImage img(p.panelWidth, p.panelHeight, QImage::Format_RGB32);
    Canvas c(img);
    SpectrometerProgress progress;
    progress.start = [&](int m) {
        if (maximum) *maximum = m;
        if (last) *last = 0;
    };
    progress.advance = [&](int pos) {
        if (last) *last = pos;
    };
    drawSpectrometerScene(c, p, progress);
    return img;
}

// Rows lit on the screen's middle column, the axis row left out.
QList<int> screenRows(const QImage &img) {
    QList<int> rows;
    const int x = kW - 75 + 20;
    for (int y = 0; y < kH; ++y)
        if (y != kH / 2 && (img.pixel(x, y) & 0xFFFFFF) != 0) rows << y;
    return rows;
}

SpectrumSource oneLine(int lambda, int first, int second) {
    SpectrumSource s;
    s.ranges = {{lambda, lambda, first, second}};
    return s;
}

QRgb walkColourAfter(int passes) {
    ColourWalk walk;
    for (int i = 0; i < passes; ++i)
        walk.step();
    return qRgb(walk.colour().red, walk.colour().green, walk.colour().blue);
}

} // namespace

class TestSpectrometerScene : public QObject {
    Q_OBJECT
  private slots:
    void oneFirstOrderPair() {
        const QImage img = render(params(oneLine(500, 100, 0), false, true, true));
        const QList<int> rows = screenRows(img);
        const float K = spectralOffset(kW, 1, 500);
        const float a = kH / 2;
        QCOMPARE(rows, (QList<int>{static_cast<int>(a - K), static_cast<int>(a + K)}));
        // 500 nm is the walk's state after 270 passes from 770 nm.
        QCOMPARE(img.pixel(kW - 75 + 20, rows[0]) & 0xFFFFFF, walkColourAfter(270) & 0xFFFFFF);
        QCOMPARE(img.pixel(kW - 75 + 20, rows[1]) & 0xFFFFFF, walkColourAfter(270) & 0xFFFFFF);
    }

    void secondOrderLiesFarther() {
        const QImage img = render(params(oneLine(450, 100, 100), false, true, true));
        const QList<int> rows = screenRows(img);
        QCOMPARE(rows.size(), 4);
        const int a = kH / 2;
        QVERIFY(a - rows[0] > a - rows[1]); // second order above the first
        QVERIFY(rows[3] - a > rows[2] - a); // and below it
        QCOMPARE(rows[1], static_cast<int>(static_cast<float>(a) - spectralOffset(kW, 1, 450)));
        QCOMPARE(rows[0], static_cast<int>(static_cast<float>(a) - spectralOffset(kW, 2, 450)));
    }

    void sourceColourOnAxisAndZerothOrder_data() {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<uint>("expected");
        QTest::newRow("red") << "000000FF" << 0xFF0000u;
        QTest::newRow("six digits: white") << "FFFFFF" << 0xFFFFFFu;
    }
    void sourceColourOnAxisAndZerothOrder() {
        QFETCH(QString, colour);
        QFETCH(uint, expected);
        const IniFile ini(
            ("[Spectrum_1]\nRange_count=1\nSource_color=" + colour + "\n").toStdString());
        SpectrometerParams p = params(readSpectrumSource(ini, 1), true, true, false);
        p.sourceColour = fromColourNumber(p.source.colour);
        const QImage img = render(p);
        const int a = kH / 2;
        QCOMPARE(img.pixel(30, a + 20) & 0xFFFFFF, expected);      // incident light
        QCOMPARE(img.pixel(kW - 75 + 20, a) & 0xFFFFFF, expected); // zeroth order
        QCOMPARE(img.pixel(0, a) & 0xFFFFFF, expected);            // axis, first dash
    }

    void allOrdersOff() {
        int maximum = -1, last = -1;
        const QImage img =
            render(params(oneLine(500, 100, 100), false, false, false), &maximum, &last);
        QCOMPARE(maximum, 0);
        QCOMPARE(last, 0);
        QVERIFY(screenRows(img).isEmpty());
        // Nothing between the second lens and the screen but the axis.
        const int a = kH / 2;
        int lit = 0;
        for (int y = a - 44; y <= a + 44; ++y)
            for (int x = 380; x < kW - 75; ++x)
                lit += y != a && (img.pixel(x, y) & 0xFFFFFF) != 0;
        QCOMPARE(lit, 0);
        // The schematic is there: the first lens in cyan.
        QCOMPARE(img.pixel(150, kH / 2 + 32) & 0xFFFFFF, 0x00FFFFu);
    }

    void progress_data() {
        QTest::addColumn<bool>("zeroth");
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::addColumn<int>("expected");
        QTest::newRow("zeroth") << true << false << false << 17;
        QTest::newRow("first") << false << true << false << 378;
        QTest::newRow("all") << true << true << true << 17 + 2 * 378;
    }
    void progress() {
        QFETCH(bool, zeroth);
        QFETCH(bool, first);
        QFETCH(bool, second);
        QFETCH(int, expected);
        int maximum = -1, last = -1;
        render(params({}, zeroth, first, second), &maximum, &last);
        QCOMPARE(maximum, expected);
        QCOMPARE(last, expected);
    }

    void brightnessSaturates_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("expected");
        QTest::newRow("full") << 100 << 255 << 255;
        QTest::newRow("seventy") << 70 << 255 << 178;
        QTest::newRow("above 100 saturates, no wrap") << 250 << 255 << 255;
        QTest::newRow("above 100 scales up") << 150 << 100 << 150;
        QTest::newRow("negative is dark") << -50 << 255 << 0;
    }
    void brightnessSaturates() {
        QFETCH(int, percent);
        QFETCH(int, channel);
        QFETCH(int, expected);
        QCOMPARE(spectralLineColour(percent, channel, 0, 0).red(), expected);
    }

    void runsMatchEveryLine_data() {
        QTest::addColumn<bool>("white");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("white light, design size") << true << kW << kH;
        QTest::newRow("white light, wide") << true << 1500 << 900;
        QTest::newRow("lines and overlaps") << false << kW << kH;
        QTest::newRow("lines, narrow") << false << 380 << 200;
    }
    void runsMatchEveryLine() {
        QFETCH(bool, white);
        QFETCH(int, width);
        QFETCH(int, height);
        SpectrumSource s;
        s.ranges = {
            {400, 460, 80, 40}, {455, 470, 250, 130}, {589, 590, 100, 70}, {640, 700, 15, 5}};
        SpectrometerParams p = params(s, true, true, true);
        p.whiteLight = white;
        p.imageWidth = width;
        p.imageHeight = height;
        p.panelWidth = width + 2;
        p.panelHeight = height + 2;
        p.sourceColour = QColor(0x40, 0x80, 0xFF);
        const QImage fast = render(p);
        QImage reference(p.panelWidth, p.panelHeight, QImage::Format_RGB32);
        drawSpectrumReference(reference, p);
        QCOMPARE(fast, reference);
    }
};

QTEST_MAIN(TestSpectrometerScene)
#include "tst_spectrometer_scene.moc"
