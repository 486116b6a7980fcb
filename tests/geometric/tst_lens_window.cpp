// The lens window driven like a user: layout, the object-height rules,
// both drags, cursor and tooltip, the colour legend, Esc and Enter.
#include "TestForms.h"
#include "canvas/Colours.h"
#include "geometric/lens/Unit3.h"

#include <QMouseEvent>
#include <cmath>

namespace {

void mouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void press(QPoint at, Qt::MouseButton b) {
    mouse(Form3->Image1, QEvent::MouseButtonPress, at, b, b);
}
void moveHeld(QPoint at, Qt::MouseButtons held) {
    mouse(Form3->Image1, QEvent::MouseMove, at, Qt::NoButton, held);
}
void release(QPoint at, Qt::MouseButton b) {
    mouse(Form3->Image1, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}

QColor legendColour(const QLabel *l) {
    return l->palette().color(QPalette::WindowText);
}

double number(const QLineEdit *e) {
    return e->text().toDouble();
}

} // namespace

class TestLensWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form3->Show();
        pumpFor(50);
    }

    void init() {
        if (!Form3->isVisible()) Form3->Show();
        Form3->Edit1->setText(QStringLiteral("8"));
        Form3->Edit2->setText(QStringLiteral("28"));
        Form3->Edit4->setText(QStringLiteral("6"));
        Form3->Edit6->setText(QStringLiteral("90"));
        Form3->ColorDialog1->chooser = nullptr;
        Form3->DrawScene();
    }

    void controlsAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Edit1") << "Edit1" << QRect(168, 8, 65, 21);
        QTest::newRow("Edit2") << "Edit2" << QRect(168, 32, 65, 21);
        QTest::newRow("Edit4") << "Edit4" << QRect(168, 56, 65, 21);
        QTest::newRow("Edit6") << "Edit6" << QRect(168, 80, 65, 21);
        QTest::newRow("Edit3") << "Edit3" << QRect(448, 32, 65, 21);
        QTest::newRow("Edit5") << "Edit5" << QRect(448, 56, 65, 21);
        QTest::newRow("SpeedButton1") << "SpeedButton1" << QRect(280, 8, 257, 22);
        QTest::newRow("Panel1") << "Panel1" << QRect(0, 0, 591, 234);
        QTest::newRow("Image1") << "Image1" << QRect(1, 1, 589, 232);
        QTest::newRow("Panel2") << "Panel2" << QRect(0, 234, 591, 113);
    }
    void controlsAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        auto *w = Form3->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
    }

    void captionsAndInitialTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label1") << "Label1"
                                << "Оптическая сила линзы, D=";
        QTest::newRow("Label2") << "Label2"
                                << "Расстояние до предмета, d=";
        QTest::newRow("Label7") << "Label7"
                                << "Высота предмета, h=";
        QTest::newRow("Label11") << "Label11"
                                 << "Угол наклона предмета, a=";
        QTest::newRow("Label5") << "Label5"
                                << "Расстояние до изображения, f=";
        QTest::newRow("Label9") << "Label9"
                                << "Высота изображения, h'=";
        QTest::newRow("Label3") << "Label3"
                                << "дптр";
        QTest::newRow("Label12") << "Label12"
                                 << "град";
        QTest::newRow("Label13") << "Label13"
                                 << "Предмет";
        QTest::newRow("Label19") << "Label19"
                                 << "Фон";
        QTest::newRow("SpeedButton1") << "SpeedButton1"
                                      << "Построить изображение";
    }
    void captionsAndInitialTexts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget *w = Form3->findChild<QWidget *>(name);
        if (auto *l = qobject_cast<QLabel *>(w))
            QCOMPARE(l->text(), text);
        else if (auto *b = qobject_cast<QToolButton *>(w))
            QCOMPARE(b->text(), text);
        else
            QFAIL("no such control");
    }

    void labelsEndBeforeTheirBoxes() {
        for (QLabel *l : {Form3->Label1, Form3->Label2, Form3->Label7, Form3->Label11})
            QVERIFY2(l->geometry().right() < 168, qPrintable(l->text()));
        for (QLabel *l : {Form3->Label5, Form3->Label9})
            QVERIFY2(l->geometry().right() < 448, qPrintable(l->text()));
    }

    void editTabOrder() {
        QList<QLineEdit *> order;
        QWidget *w = Form3->Edit1;
        do {
            if (auto *e = qobject_cast<QLineEdit *>(w)) order.append(e);
            w = w->nextInFocusChain();
        } while (w != Form3->Edit1 && order.size() < 6);
        const QList<QLineEdit *> expected = {Form3->Edit1, Form3->Edit2, Form3->Edit3,
                                             Form3->Edit4, Form3->Edit5, Form3->Edit6};
        QCOMPARE(order, expected);
    }

    void legendAnchoredTopRight() {
        QCOMPARE(Form3->Label13->geometry().right(), 582);
        QCOMPARE(Form3->Label13->y(), 16);
        QCOMPARE(Form3->Label19->y(), 112);
        Form3->resize(800, 500);
        pumpFor(20);
        QCOMPARE(Form3->Label19->geometry().right(), Form3->Panel1->width() - 9);
        QCOMPARE(Form3->Image1->Bitmap.size(), Form3->Image1->size());
        Form3->resize(591, 347);
        pumpFor(20);
        QCOMPARE(Form3->Label19->geometry().right(), 582);
    }

    void defaultsShowImageOutputs() {
        QCOMPARE(Form3->Edit3->text(), QStringLiteral("22.58"));
        QCOMPARE(Form3->Edit5->text(), QStringLiteral("4.84"));
        QCOMPARE(legendColour(Form3->Label19), colours::clWhite);
        QCOMPARE(QColor(Form3->Image1->Bitmap.pixel(0, 231)), colours::clBlack);
        QCOMPARE(Form3->Panel1->palette().color(QPalette::Window), colours::clBlack);
    }

    void zeroPowerKeepsOutputs() {
        Form3->Edit1->setText(QStringLiteral("0"));
        Form3->SpeedButton1->click();
        QCOMPARE(Form3->Edit3->text(), QStringLiteral("22.58"));
        QCOMPARE(Form3->Edit5->text(), QStringLiteral("4.84"));
    }

    // Near the focal point the image is far away; in a box narrower than
    // its number (as with a wider face) the readout shows where it starts.
    void longReadoutsShowTheirBeginning() {
        const QRect design = Form3->Edit3->geometry();
        Form3->Edit3->resize(40, design.height());
        Form3->Edit2->setText(QStringLiteral("12.500000001"));
        Form3->SpeedButton1->click();
        QLineEdit *f = Form3->Edit3;
        const bool wider = f->fontMetrics().horizontalAdvance(f->text()) > f->width();
        const int cursor = f->cursorPosition();
        Form3->Edit3->setGeometry(design);
        QVERIFY2(wider, qPrintable(f->text()));
        QCOMPARE(cursor, 0);
    }

    void objectHeightRules_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("above limit") << "20"
                                     << "8";
        QTest::newRow("at limit") << "8"
                                  << "8";
        QTest::newRow("leading minus") << "-5"
                                       << "5";
        QTest::newRow("overflowing") << "1e400"
                                     << "8";
        QTest::newRow("fraction") << "7.5"
                                  << "7.5";
    }
    void objectHeightRules() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Form3->Edit4->clear();
        QTest::keyClicks(Form3->Edit4, typed);
        QCOMPARE(Form3->Edit4->text(), shown);
    }

    void leftDragSlidesObjectAlongAxis() {
        // The default object hangs from (15.5, 117) to (15.5, 177).
        press({15, 150}, Qt::LeftButton);
        QVERIFY(Form3->Dragging);
        moveHeld({30, 150}, Qt::LeftButton);
        QCOMPARE(Form3->Edit2->text(), QStringLiteral("26.50000"));
        QVERIFY(Form3->Edit3->text() != QStringLiteral("22.58")); // redrawn
        moveHeld({30, 120}, Qt::LeftButton);                      // vertical moves change nothing
        QCOMPARE(Form3->Edit2->text(), QStringLiteral("26.50000"));
        release({30, 120}, Qt::LeftButton);
        QVERIFY(!Form3->Dragging);
        moveHeld({60, 120}, Qt::NoButton);
        QCOMPARE(Form3->Edit2->text(), QStringLiteral("26.50000"));
    }

    void pressBesideObjectStartsNoDrag() {
        press({100, 150}, Qt::LeftButton);
        QVERIFY(!Form3->Dragging);
        press({15, 100}, Qt::LeftButton); // above the axis: the object hangs below
        QVERIFY(!Form3->Dragging);
        release({15, 100}, Qt::LeftButton);
    }

    // Right-drag: the tip goes to the pointer, or onto the lens plane when
    // the pointer is across it. Q and R are read back from the boxes.
    void rightDragMovesTip_data() {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<double>("Q");
        QTest::addColumn<double>("R");
        QTest::newRow("follows pointer") << QPoint(200, 100) << 9.55 << -1.7;
        QTest::newRow("pinned to lens plane") << QPoint(400, 140) << 0.0 << 2.3;
    }
    void rightDragMovesTip() {
        QFETCH(QPoint, to);
        QFETCH(double, Q);
        QFETCH(double, R);
        Form3->Edit2->setText(QStringLiteral("5"));
        Form3->DrawScene();
        press({245, 150}, Qt::RightButton);
        QVERIFY(Form3->Dragging);
        moveHeld(to, Qt::RightButton);
        release(to, Qt::RightButton);
        const double h = number(Form3->Edit4), a = number(Form3->Edit6) * M_PI / 180;
        QCOMPARE(Form3->Edit2->text(), QStringLiteral("5"));
        QVERIFY2(std::abs(5 + h * std::cos(a) - Q) < 1e-3, qPrintable(Form3->Edit6->text()));
        QVERIFY2(std::abs(h * std::sin(a) - R) < 1e-3, qPrintable(Form3->Edit4->text()));
    }

    void pointerTooltip_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("tip");
        QTest::newRow("corner") << QPoint(0, 0) << "-29.4:-11.6";
        QTest::newRow("centre") << QPoint(294, 116) << "0:0";
        QTest::newRow("right below") << QPoint(300, 120) << "0.6:0.4";
    }
    void pointerTooltip() {
        QFETCH(QPoint, at);
        QFETCH(QString, tip);
        moveHeld(at, Qt::NoButton);
        QCOMPARE(Form3->Panel1->toolTip(), tip);
    }

    void handCursorOverObject() {
        moveHeld({15, 150}, Qt::NoButton);
        QCOMPARE(Form3->Panel1->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(Form3->Image1->cursor().shape(), Qt::PointingHandCursor);
        moveHeld({200, 50}, Qt::NoButton);
        QCOMPARE(Form3->Panel1->cursor().shape(), Qt::ArrowCursor);
    }

    void backgroundChoiceComplementsLegend() {
        QColor preset;
        Form3->ColorDialog1->chooser = [&](const QColor &c) {
            preset = c;
            return std::optional<QColor>(QColor(0x20, 0x40, 0x60));
        };
        // A double click on the picture is a click on "Фон".
        mouse(Form3->Image1, QEvent::MouseButtonDblClick, {200, 50}, Qt::LeftButton,
              Qt::LeftButton);
        QCOMPARE(preset, colours::clBlack);
        QCOMPARE(legendColour(Form3->Label19), QColor(0xDF, 0xBF, 0x9F));
        QCOMPARE(QColor(Form3->Image1->Bitmap.pixel(0, 231)), QColor(0x20, 0x40, 0x60));
        Form3->ColorDialog1->chooser = [](const QColor &) {
            return std::optional<QColor>(colours::clBlack);
        };
        Form3->Label13Click(Form3->Label19);
        QCOMPARE(legendColour(Form3->Label19), colours::clWhite);
    }

    void elementColourFromItsLegendLabel() {
        QColor preset;
        Form3->ColorDialog1->chooser = [&](const QColor &c) {
            preset = c;
            return std::optional<QColor>(colours::clLime);
        };
        const QPoint centre(Form3->Label13->width() / 2, 6);
        mouse(Form3->Label13, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        mouse(Form3->Label13, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(preset, colours::clYellow);
        QCOMPARE(legendColour(Form3->Label13), colours::clLime);
        // The object (from (15, 117) down to (15, 177)) is drawn in it.
        QCOMPARE(QColor(Form3->Image1->Bitmap.pixel(14, 150)).green(), 255);
        QCOMPARE(QColor(Form3->Image1->Bitmap.pixel(14, 150)).red(), 0);
        Form3->ColorDialog1->chooser = [](const QColor &) {
            return std::optional<QColor>(colours::clYellow);
        };
        Form3->Label13Click(Form3->Label13);
    }

    void cancelledChoiceChangesNothing() {
        Form3->ColorDialog1->chooser = [](const QColor &) { return std::optional<QColor>(); };
        const QImage before = Form3->Image1->Bitmap.copy();
        for (QLabel *l : {Form3->Label13, Form3->Label19}) {
            const QColor colour = legendColour(l);
            Form3->Label13Click(l);
            QCOMPARE(legendColour(l), colour);
        }
        QCOMPARE(Form3->Image1->Bitmap, before);
    }

    void enterRedrawsEscHides() {
        Form3->Edit1->setFocus();
        Form3->Edit1->setText(QStringLiteral("-5"));
        QCOMPARE(Form3->Edit3->text(), QStringLiteral("22.58")); // no redraw yet
        QTest::keyClick(Form3->Edit1, Qt::Key_Return);
        QCOMPARE(Form3->Edit3->text(), QStringLiteral("-11.67"));
        QTest::keyClick(Form3->Edit2, Qt::Key_Escape);
        QVERIFY(!Form3->isVisible());
        QVERIFY(!Form3->isFading());
        Form3->Show();
        QCOMPARE(Form3->Edit1->text(), QStringLiteral("-5"));
        QCOMPARE(Form3->Edit3->text(), QStringLiteral("-11.67"));
    }
};

QTEST_MAIN(TestLensWindow)
#include "tst_lens_window.moc"
