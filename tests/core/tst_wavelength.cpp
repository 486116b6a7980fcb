// The wavelength colours: the stage walk at its boundaries and reference
// points, the launcher's routine over it, the spectrometer's walk from
// 770 nm and the tint of a grey level.
#include "TestForms.h"
#include "core/WavelengthWalk.h"
#include "shell/Unit1.h"

#include <QTest>
#include <climits>

Q_DECLARE_METATYPE(Rgb)

// Readable failure messages for colours.
char *toString(const Rgb &c) {
    return QTest::toString(QStringLiteral("(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue));
}

namespace {

void addRow(const char *name, int nm, int r, int g, int b) {
    QTest::newRow(name) << nm << Rgb{r, g, b};
}

} // namespace

class TestWavelength : public QObject {
    Q_OBJECT
  private slots:
    void colour_data();
    void colour();
    void launcherRoutineOverwritesOutputs();
    void channelsStayInRange();
    void walkFrom770();
    void tint_data();
    void tint();
};

void TestWavelength::colour_data() {
    QTest::addColumn<int>("nm");
    QTest::addColumn<Rgb>("rgb");
    // Stage boundaries.
    addRow("780: first pass only", 780, 255, 1, 0);
    addRow("653: green reaches 128", 653, 255, 128, 0);
    addRow("652: first step of 3", 652, 255, 131, 0);
    addRow("611: last pass of stage 0", 611, 255, 254, 0);
    addRow("610: green clamped, red starts falling", 610, 252, 255, 0);
    addRow("568: blue starts rising", 568, 126, 255, 5);
    addRow("526: red reaches 0", 526, 0, 255, 218);
    addRow("513: blue clamped, green starts falling", 513, 0, 247, 255);
    addRow("498: green falls by 4", 498, 0, 127, 255);
    addRow("467: last pass of stage 3", 467, 0, 3, 255);
    addRow("466: green reaches 0, red returns", 466, 4, 0, 255);
    addRow("403: walk finished", 403, 255, 0, 255);
    // Reference points.
    addRow("700", 700, 255, 81, 0);
    addRow("600", 600, 222, 255, 0);
    addRow("550", 550, 72, 255, 95);
    addRow("500", 500, 0, 143, 255);
    addRow("480", 480, 0, 55, 255);
    addRow("450", 450, 68, 0, 255);
    addRow("420", 420, 188, 0, 255);
    // Edges and the pass after each boundary.
    addRow("800: above the start", 800, 255, 1, 0);
    addRow("largest integer", INT_MAX, 255, 1, 0);
    addRow("779: second pass", 779, 255, 2, 0);
    addRow("609", 609, 249, 255, 0);
    addRow("525", 525, 0, 255, 221);
    addRow("404: last step of red", 404, 252, 0, 255);
    addRow("380: below the end", 380, 255, 0, 255);
    addRow("0", 0, 255, 0, 255);
    addRow("negative", -5, 255, 0, 255);
    addRow("smallest integer", INT_MIN, 255, 0, 255);
}

void TestWavelength::colour() {
    QFETCH(int, nm);
    QFETCH(Rgb, rgb);
    QCOMPARE(wavelengthToRgb(nm), rgb);
}

void TestWavelength::launcherRoutineOverwritesOutputs() {
    int r = -7, g = 100000, b = 3;
    ensureForms();
    Form1->WavelengthToRGB(r, g, b, 550);
    QCOMPARE(Rgb({r, g, b}), Rgb({72, 255, 95}));
}

void TestWavelength::channelsStayInRange() {
    for (int nm = 820; nm >= 360; --nm) {
        const Rgb c = wavelengthToRgb(nm);
        for (int v : {c.red, c.green, c.blue})
            QVERIFY2(v >= 0 && v <= 255, qPrintable(QString::number(nm)));
    }
}

void TestWavelength::walkFrom770() {
    // One pass per line from 770 nm down: pure red first, then the colour of
    // the wavelength 11 nm longer; it finishes after 378 passes at 393 nm.
    ColourWalk walk;
    QCOMPARE(walk.colour(), Rgb({255, 0, 0}));
    int lambda = 770;
    int passes = 0;
    while (!walk.finished()) {
        if (lambda < 770) QCOMPARE(walk.colour(), wavelengthToRgb(lambda + 11));
        walk.step();
        ++passes;
        --lambda;
    }
    QCOMPARE(passes, 378);
    QCOMPARE(lambda + 1, 393);
    QCOMPARE(walk.colour(), Rgb({255, 0, 255}));
}

void TestWavelength::tint_data() {
    QTest::addColumn<int>("grey");
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<Rgb>("tinted");
    QTest::newRow("white gives the colour") << 255 << Rgb{72, 255, 95} << Rgb{72, 255, 95};
    QTest::newRow("black stays black") << 0 << Rgb{72, 255, 95} << Rgb{0, 0, 0};
    QTest::newRow("half, truncated") << 128 << Rgb{72, 255, 95} << Rgb{36, 128, 47};
    QTest::newRow("grey 1 rounds down to 0") << 1 << Rgb{254, 255, 0} << Rgb{0, 1, 0};
}

void TestWavelength::tint() {
    QFETCH(int, grey);
    QFETCH(Rgb, colour);
    QFETCH(Rgb, tinted);
    QCOMPARE(::tint(grey, colour), tinted);
}

QTEST_MAIN(TestWavelength)
#include "tst_wavelength.moc"
