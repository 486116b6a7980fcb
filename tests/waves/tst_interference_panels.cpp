// The source strip and the intensity graph: drags, wheel, drawing.
#include "waves/interference/GraphPanel.h"
#include "waves/interference/SourcePanel.h"
#include "widgets/Csafespinedit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

namespace {

void mouse(QWidget *w, QEvent::Type type, int x, Qt::MouseButton button) {
    const QPointF p(x, 10);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent e(type, p, w->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : button,
                  held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void drag(QWidget *w, int from, int to, Qt::MouseButton button) {
    mouse(w, QEvent::MouseButtonPress, from, button);
    mouse(w, QEvent::MouseMove, to, button);
    mouse(w, QEvent::MouseButtonRelease, to, button);
}

void wheel(QWidget *w, int delta, Qt::KeyboardModifiers m) {
    QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, m, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestInterferencePanels : public QObject {
    Q_OBJECT
  private slots:
    void stripDrags() {
        TSourcePanel strip;
        TCSpinEdit spin;
        spin.setMinValue(0);
        spin.setMaxValue(255);
        spin.setValue(200);
        QLabel status;
        bindBrightness(&strip, &spin);
        connect(&strip, &TSourcePanel::statusChanged, &status, &QLabel::setText);
        strip.resize(200, 20);
        drag(&strip, 90, 95, Qt::LeftButton); // positions -10..-5
        QCOMPARE(int(strip.Sources.items().size()), 6);
        QCOMPARE(strip.Sources.brightnessAt(-7), 200);
        mouse(&strip, QEvent::MouseMove, 92, Qt::NoButton);
        QCOMPARE(status.text(), QStringLiteral("X=-8 яркость=200"));
        mouse(&strip, QEvent::MouseMove, 150, Qt::NoButton);
        QCOMPARE(status.text(), QStringLiteral("X=50 яркость=0"));
        // Beyond the right end of the strip.
        drag(&strip, 198, 230, Qt::LeftButton);
        QCOMPARE(strip.Sources.brightnessAt(130), 200);
        // A left drag with brightness 0 removes.
        spin.setValue(0);
        drag(&strip, 89, 92, Qt::LeftButton);
        QCOMPARE(strip.Sources.brightnessAt(-10), 0);
        QCOMPARE(strip.Sources.brightnessAt(-9), 0);
        QCOMPARE(strip.Sources.brightnessAt(-7), 200);
        drag(&strip, 95, 93, Qt::RightButton);
        QCOMPARE(strip.Sources.brightnessAt(-7), 0);
        QCOMPARE(strip.Sources.brightnessAt(-6), 0);
        QCOMPARE(strip.dragMode(), TSourcePanel::Drag::None);
    }

    void stripWheelStepsBrightnessWithinBounds() {
        TSourcePanel strip;
        TCSpinEdit spin;
        spin.setMinValue(0);
        spin.setMaxValue(255);
        spin.setValue(254);
        bindBrightness(&strip, &spin);
        wheel(&strip, 120, Qt::NoModifier);
        wheel(&strip, 120, Qt::NoModifier);
        QCOMPARE(spin.Value(), 255);
        spin.setValue(1);
        wheel(&strip, -120, Qt::NoModifier);
        wheel(&strip, -120, Qt::NoModifier);
        QCOMPARE(spin.Value(), 0);
    }

    void stripPicture() {
        QImage img(100, 20, QImage::Format_RGB32);
        drawSourceStrip(img, {{0, 255}, {-3, 100}, {200, 255}}, img.rect());
        QCOMPARE(img.pixelColor(50, 10), QColor(255, 255, 255));
        QCOMPARE(img.pixelColor(47, 10), QColor(100, 100, 100));
        QCOMPARE(img.pixelColor(20, 19), QColor(0, 255, 0)); // bottom line
        QCOMPARE(img.pixelColor(60, 2), QColor(0, 255, 0));  // tick
        QCOMPARE(img.pixelColor(60, 3), QColor(0, 0, 0));
        QCOMPARE(img.pixelColor(55, 1), QColor(0, 0, 0));
    }

    void graphWheel() {
        TGraphPanel g;
        QLineEdit v, h;
        connect(&g, &TGraphPanel::verticalScaleChanged, &v, &QLineEdit::setText);
        connect(&g, &TGraphPanel::horizontalScaleChanged, &h, &QLineEdit::setText);
        g.resize(300, 200);
        g.VerticalScale = 0.01L;
        wheel(&g, 120, Qt::NoModifier);
        QCOMPARE(v.text(), QStringLiteral("0.011000000000000"));
        // Shift backward never below 1.0; the plain wheel has no bound.
        wheel(&g, 120, Qt::ShiftModifier);
        for (int i = 0; i < 5; ++i)
            wheel(&g, -120, Qt::ShiftModifier);
        QCOMPARE(double(g.HorizontalScale), 1.0);
        QCOMPARE(h.text(), QStringLiteral("1.000000000000000"));
        for (int i = 0; i < 200; ++i)
            wheel(&g, -120, Qt::NoModifier);
        QVERIFY(g.VerticalScale > 0 && g.VerticalScale < 1e-9L);
        // Ctrl scrolls by a fiftieth of the range.
        MappedSamples m = MappedSamples::allocate(1000 * 4);
        g.SetData(std::move(m), 1000);
        wheel(&g, 120, Qt::ControlModifier);
        QCOMPARE(g.ScrollBar->value(), 20);
        wheel(&g, -120, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(g.ScrollBar->value(), 0);
    }

    void graphPicture() {
        // A flat curve of 100 with one peak far above the top.
        std::vector<float> s(400, 100.0f);
        s[200] = 1e6f;
        GraphView v;
        v.samples = s.data();
        v.count = 400;
        v.verticalScale = 0.5L;
        v.width = 200;
        v.height = 120;
        v.barHeight = 17;
        QImage img(200, 120, QImage::Format_RGB32);
        drawInterferenceGraph(img, v, img.rect());
        const int level = 120 - 17 - 3 - 50;
        QCOMPARE(img.pixelColor(20, level), QColor(Qt::white));
        QCOMPARE(img.pixelColor(20, level + 1), QColor(Qt::black));
        QCOMPARE(img.pixelColor(100, 0), QColor(255, 0, 0)); // clipped peak
        // A partial repaint draws the same pixels as the whole one.
        QImage part = img.copy();
        part.fill(Qt::blue);
        drawInterferenceGraph(part, v, QRect(60, 0, 30, 120));
        for (int x = 60; x < 90; ++x)
            for (int y = 0; y < 120; ++y)
                QCOMPARE(part.pixelColor(x, y), img.pixelColor(x, y));
        // No valid sample anywhere: only black.
        v.position = 100000;
        drawInterferenceGraph(img, v, img.rect());
        QCOMPARE(img.pixelColor(20, level), QColor(Qt::black));
    }

    void statusCoordinate() {
        GraphView v;
        v.count = 10000;
        v.width = 500;
        v.horizontalScale = 1;
        QCOMPARE(graphCoordinateAt(v, 250, 0.5L), 0.0f);
        QCOMPARE(graphCoordinateAt(v, 500, 0.5L), 0.5f);
        QCOMPARE(formatFixed15(0.1f), QStringLiteral("0.100000001490116"));
        QCOMPARE(formatFixed15(-12.5L), QStringLiteral("-12.500000000000000"));
    }
};

QTEST_MAIN(TestInterferencePanels)
#include "tst_interference_panels.moc"
