// The integer spin edits: reading and writing the value, the character
// filter, Enter and Tab, the buttons with their repeat, and the focus.
#include "widgets/Csafespinedit.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <climits>
#include <memory>

namespace {

// Counts the beeps instead of sounding them.
template <class Base> class Counting : public Base {
  public:
    using Base::Base;
    int beeps = 0;

  protected:
    void beep() override { ++beeps; }
};
using Plain = Counting<TCSpinEdit>;
using Safe = Counting<TCSafeSpinEdit>;

void typeChar(QWidget *w, QChar c) {
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A shown, active window with a spin edit and a second box to move the focus to.
struct Window {
    QWidget top;
    TCSpinEdit *spin;
    QLineEdit *other;
    explicit Window(bool safe) {
        spin = safe ? static_cast<TCSpinEdit *>(new Safe(&top)) : new Plain(&top);
        spin->move(10, 10);
        other = new QLineEdit(&top);
        other->move(10, 50);
        top.resize(200, 100);
        top.show();
        QApplication::setActiveWindow(&top);
        (void)QTest::qWaitForWindowActive(&top);
    }
    int beeps() const {
        if (auto *s = dynamic_cast<Safe *>(spin)) return s->beeps;
        return static_cast<Plain *>(spin)->beeps;
    }
};

} // namespace

class TestSpinEdit : public QObject {
    Q_OBJECT
  private slots:
    void defaults();
    void readingValue_data();
    void readingValue();
    void writingValue_data();
    void writingValue();
    void typedCharacters_data();
    void typedCharacters();
    void disabledEditorRefusesTyping();
    void enterAndTab_data();
    void enterAndTab();
    void clampOnLeaving_data();
    void clampOnLeaving();
    void arrowKeysStepWithinBounds();
    void stepsSaturateAtTheIntegerRange();
    void readOnlyRefusesSteps();
    void holdToRepeat();
    void releaseOffTheButtonIsNoClick();
    void hidingAHeldButtonStopsTheRepeat();
    void destroyedWhileFocused();
    void buttonPressTakesFocusWithoutSelecting();
    void tabIntoBoxSelectsAll();
};

void TestSpinEdit::defaults() {
    TCSpinEdit s;
    QCOMPARE(s.Text(), QStringLiteral("0"));
    QCOMPARE(s.size(), QSize(121, 21));
    QCOMPARE(s.upButtonWidget()->width(), TCSpinEdit::kButtonWidth);
    QCOMPARE(s.upButtonWidget()->height() + s.downButtonWidget()->height(),
             TCSpinEdit::kButtonsHeight);
    // The pair sits at the right edge inside the frame, the text stops before it.
    QCOMPARE(s.upButtonWidget()->geometry().right(), s.width() - 3);
    QCOMPARE(s.editor()->textMargins().right(), TCSpinEdit::kButtonWidth);
}

void TestSpinEdit::readingValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("after");
    QTest::newRow("number") << "42" << 42 << "42";
    QTest::newRow("plus sign") << "+7" << 7 << "+7";
    QTest::newRow("negative") << "-15" << -15 << "-15";
    QTest::newRow("out of range kept") << "9000" << 9000 << "9000";
    QTest::newRow("leading blanks") << "  12" << 12 << "  12";
    QTest::newRow("smallest integer") << "-2147483648" << INT_MIN << "-2147483648";
    QTest::newRow("empty") << "" << 5 << "5";
    QTest::newRow("sign alone") << "-" << 5 << "5";
    QTest::newRow("fraction") << "1.5" << 5 << "5";
    QTest::newRow("too large") << "2147483648" << 5 << "5";
    QTest::newRow("far too large") << "99999999999999999999" << 5 << "5";
    QTest::newRow("trailing letter") << "12a" << 5 << "5";
    QTest::newRow("trailing blank") << "12 " << 5 << "5";
    QTest::newRow("two signs") << "+-3" << 5 << "5";
}

void TestSpinEdit::readingValue() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, after);
    TCSpinEdit s;
    s.setMinValue(5);
    s.setMaxValue(100);
    s.setText(text);
    QCOMPARE(s.Value(), value);
    QCOMPARE(s.Text(), after);
}

void TestSpinEdit::writingValue_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("inside") << 400 << 800 << 550 << "550";
    QTest::newRow("above") << 400 << 800 << 900 << "800";
    QTest::newRow("below") << 400 << 800 << 10 << "400";
    QTest::newRow("equal bounds, unbounded") << 0 << 0 << -123456 << "-123456";
    QTest::newRow("equal non-zero bounds") << 7 << 7 << 1000 << "1000";
    QTest::newRow("crossed bounds: lower wins") << 10 << 5 << 7 << "10";
}

void TestSpinEdit::writingValue() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(QString, text);
    TCSpinEdit s;
    s.setMinValue(min);
    s.setMaxValue(max);
    QSignalSpy change(&s, &TCSpinEdit::Change);
    s.setValue(value);
    QCOMPARE(s.Text(), text);
    QCOMPARE(change.count(), 1);
}

void TestSpinEdit::typedCharacters_data() {
    QTest::addColumn<bool>("safe");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    for (bool safe : {false, true}) {
        const char *cls = safe ? "safe: " : "plain: ";
        QTest::newRow(QByteArray(cls).append("digits and signs").constData()) << safe << "-12+.5"
                                                                              << "-12+.5" << 0;
        QTest::newRow(QByteArray(cls).append("letter refused").constData()) << safe << "1a2"
                                                                            << "12" << 1;
        QTest::newRow(QByteArray(cls).append("comma and blank refused").constData())
            << safe << "3, 4"
            << "34" << 2;
        QTest::newRow(QByteArray(cls).append("backspace passes").constData()) << safe << "56\b"
                                                                              << "5" << 0;
    }
}

void TestSpinEdit::typedCharacters() {
    QFETCH(bool, safe);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    Window w(safe);
    w.spin->setText(QString());
    w.spin->editor()->setFocus();
    for (QChar c : typed) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(w.spin->editor(), Qt::Key_Backspace);
        else
            typeChar(w.spin->editor(), c);
    }
    QCOMPARE(w.spin->Text(), text);
    QCOMPARE(w.beeps(), beeps);
}

void TestSpinEdit::disabledEditorRefusesTyping() {
    Window w(false);
    w.spin->EditorEnabled = false;
    w.spin->setText(QStringLiteral("42"));
    w.spin->editor()->setFocus();
    w.spin->editor()->end(false);
    typeChar(w.spin->editor(), QLatin1Char('7'));
    QTest::keyClick(w.spin->editor(), Qt::Key_Backspace);
    QCOMPARE(w.spin->Text(), QStringLiteral("42"));
    QCOMPARE(w.beeps(), 2);
    QTest::keyClick(w.spin->editor(), Qt::Key_Up);
    QCOMPARE(w.spin->Value(), 43);
}

void TestSpinEdit::enterAndTab_data() {
    QTest::addColumn<bool>("safe");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<bool>("keepsFocus");
    QTest::newRow("plain: Enter refused with a beep") << false << int(Qt::Key_Return) << 1 << true;
    QTest::newRow("plain: Tab moves on") << false << int(Qt::Key_Tab) << 0 << false;
    QTest::newRow("safe: Enter swallowed") << true << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("safe: keypad Enter swallowed") << true << int(Qt::Key_Enter) << 0 << true;
    QTest::newRow("safe: Tab swallowed") << true << int(Qt::Key_Tab) << 0 << true;
}

void TestSpinEdit::enterAndTab() {
    QFETCH(bool, safe);
    QFETCH(int, key);
    QFETCH(int, beeps);
    QFETCH(bool, keepsFocus);
    Window w(safe);
    w.spin->setText(QStringLiteral("17"));
    w.spin->editor()->setFocus(Qt::OtherFocusReason);
    QVERIFY(w.spin->editor()->hasFocus());
    QSignalSpy change(w.spin, &TCSpinEdit::Change);
    QTest::keyClick(w.spin->editor(), Qt::Key(key));
    QCOMPARE(w.spin->Text(), QStringLiteral("17"));
    QCOMPARE(change.count(), 0);
    QCOMPARE(w.beeps(), beeps);
    QCOMPARE(w.spin->editor()->hasFocus(), keepsFocus);
}

void TestSpinEdit::clampOnLeaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("above the range") << "900"
                                     << "800";
    QTest::newRow("below the range") << "12"
                                     << "400";
    QTest::newRow("inside the range") << "555"
                                      << "555";
    QTest::newRow("cleared") << ""
                             << "400";
}

void TestSpinEdit::clampOnLeaving() {
    QFETCH(QString, typed);
    QFETCH(QString, after);
    Window w(true);
    w.spin->setMinValue(400);
    w.spin->setMaxValue(800);
    w.spin->setValue(500);
    w.spin->editor()->setFocus();
    w.spin->editor()->clear();
    for (QChar c : typed)
        typeChar(w.spin->editor(), c);
    QCOMPARE(w.spin->Text(), typed);
    w.other->setFocus();
    QCOMPARE(w.spin->Text(), after);
}

void TestSpinEdit::arrowKeysStepWithinBounds() {
    Plain s;
    s.setMinValue(0);
    s.setMaxValue(10);
    s.setIncrement(4);
    s.setValue(5);
    QTest::keyClick(s.editor(), Qt::Key_Up);
    QCOMPARE(s.Value(), 9);
    QTest::keyClick(s.editor(), Qt::Key_Up);
    QCOMPARE(s.Value(), 10);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(s.editor(), Qt::Key_Down);
    QCOMPARE(s.Value(), 0);
    QCOMPARE(s.beeps, 0);
}

void TestSpinEdit::stepsSaturateAtTheIntegerRange() {
    // Unbounded (the defaults): steps go anywhere but never wrap round.
    TCSpinEdit s;
    s.setIncrement(1000);
    s.setValue(INT_MAX - 10);
    s.UpClick();
    QCOMPARE(s.Value(), INT_MAX);
    s.setValue(INT_MIN + 10);
    s.DownClick();
    QCOMPARE(s.Value(), INT_MIN);
    s.setValue(-3000);
    s.DownClick();
    QCOMPARE(s.Value(), -4000);
}

void TestSpinEdit::readOnlyRefusesSteps() {
    Plain s;
    s.setValue(3);
    s.setReadOnly(true);
    s.UpClick();
    QTest::keyClick(s.editor(), Qt::Key_Down);
    QCOMPARE(s.Value(), 3);
    QCOMPARE(s.beeps, 2);
}

void TestSpinEdit::holdToRepeat() {
    Window w(false);
    QToolButton *up = w.spin->upButtonWidget();
    QTimer *timer = w.spin->repeatTimer();
    QTest::mousePress(up, Qt::LeftButton);
    QCOMPARE(w.spin->Value(), 0);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), TCSpinEdit::kFirstRepeatMs);
    // Held for one second: steps at 400, 500, ..., 1000 ms.
    for (int i = 1; i <= 7; ++i) {
        w.spin->repeatTick();
        QCOMPARE(w.spin->Value(), i);
        QCOMPARE(timer->interval(), TCSpinEdit::kRepeatMs);
    }
    QTest::mouseRelease(up, Qt::LeftButton);
    QCOMPARE(w.spin->Value(), 8);
    QVERIFY(!timer->isActive());
    // A plain click steps once, and a stray tick afterwards does nothing.
    QTest::mouseClick(w.spin->downButtonWidget(), Qt::LeftButton);
    w.spin->repeatTick();
    QCOMPARE(w.spin->Value(), 7);
}

void TestSpinEdit::releaseOffTheButtonIsNoClick() {
    Window w(false);
    QToolButton *up = w.spin->upButtonWidget();
    QTest::mousePress(up, Qt::LeftButton);
    QMouseEvent move(QEvent::MouseMove, QPointF(-30, 5), up->mapToGlobal(QPointF(-30, 5)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(up, &move);
    w.spin->repeatTick();
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(-30, 5));
    QCOMPARE(w.spin->Value(), 0);
}

void TestSpinEdit::hidingAHeldButtonStopsTheRepeat() {
    Window w(false);
    QTest::mousePress(w.spin->upButtonWidget(), Qt::LeftButton);
    w.spin->repeatTick();
    QCOMPARE(w.spin->Value(), 1);
    w.top.hide();
    w.spin->repeatTick();
    w.spin->repeatTick();
    QCOMPARE(w.spin->Value(), 1);
    QVERIFY(!w.spin->repeatTimer()->isActive());
}

void TestSpinEdit::destroyedWhileFocused() {
    // Leaving the box on destruction must not clamp through a dead object.
    Window w(true);
    w.spin->setMinValue(1);
    w.spin->setMaxValue(5);
    w.spin->setText(QStringLiteral("9"));
    w.spin->editor()->setFocus();
    QVERIFY(w.spin->editor()->hasFocus());
    QSignalSpy change(w.spin, &TCSpinEdit::Change);
    delete w.spin;
    QCOMPARE(change.count(), 0);
}

void TestSpinEdit::buttonPressTakesFocusWithoutSelecting() {
    Window w(false);
    w.spin->setText(QStringLiteral("25"));
    w.other->setFocus();
    QTest::mousePress(w.spin->upButtonWidget(), Qt::LeftButton);
    QVERIFY(w.spin->editor()->hasFocus());
    QVERIFY(!w.spin->editor()->hasSelectedText());
    QTest::mouseRelease(w.spin->upButtonWidget(), Qt::LeftButton);
    QCOMPARE(w.spin->Value(), 26);
}

void TestSpinEdit::tabIntoBoxSelectsAll() {
    Window w(false);
    w.spin->setText(QStringLiteral("123"));
    w.other->setFocus();
    w.spin->editor()->setFocus(Qt::OtherFocusReason);
    QCOMPARE(w.spin->editor()->selectedText(), QStringLiteral("123"));
    w.other->setFocus();
    w.spin->AutoSelect = false;
    w.spin->editor()->setFocus(Qt::TabFocusReason);
    QVERIFY(!w.spin->editor()->hasSelectedText());
}

QTEST_MAIN(TestSpinEdit)
#include "tst_spinedit.moc"
