// Pause and single step of the timer animations, and the arrow keys on the
// draggable pictures, which must move an object exactly as the mouse does.
#include "TestForms.h"
#include "atomic/microparticles/Unit51.h"
#include "geometric/focal/Unit6.h"
#include "geometric/huygens/Unit15.h"
#include "geometric/mirror/Unit5.h"
#include "geometric/refraction/Unit2.h"
#include "widgets/KeyboardDrag.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace {
struct Animated {
    TDemoForm *form;
    TTimerAnimation *animation;
    std::function<void()> begin; // what starts the animation once shown
    std::function<long()> state;
};

Animated animated(const QString &name) {
    if (name == "focal") return {Form6, Form6->animation, [] {}, [] { return long(Form6->P); }};
    if (name == "huygens")
        return {Form15, Form15->animation, [] { Form15->Image1DblClick(); },
                [] { return long(Form15->t); }};
    return {Form51, Form51->animation,
            [] {
                Form51->ComboBox1->setCurrentText(QStringLiteral("100000"));
                Form51->ComboBox2->setCurrentText(QStringLiteral("100")); // 10 a tick
                Form51->Button1Click();
            },
            [] { return long(Form51->state.total); }};
}

void mouse(QWidget *w, QEvent::Type type, QPoint local, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void mouseDrag(QWidget *w, QPoint from, QPoint d) {
    mouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(w, QEvent::MouseMove, from + d, Qt::NoButton, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonRelease, from + d, Qt::LeftButton, Qt::NoButton);
}

struct Draggable {
    TDemoForm *form;
    TKeyboardDrag *keys;
    int index;
    QWidget *target;
    std::function<QPoint()> grab;
    std::function<void(int)> place; // puts the object somewhere known
    std::function<QPoint()> state;
};

Draggable draggable(const QString &name) {
    const auto centre = [](QWidget *w) { return [w] { return w->rect().center(); }; };
    if (name == "mirror lamp")
        return {Form5,
                Form5->keys,
                0,
                Form5->Image2,
                centre(Form5->Image2),
                [](int x) { Form5->Image2->move(x, 40); },
                [] { return Form5->Image2->pos(); }};
    if (name == "mirror eye")
        return {Form5,
                Form5->keys,
                1,
                Form5->Image3,
                centre(Form5->Image3),
                [](int x) { Form5->Image3->move(x, 264); },
                [] { return Form5->Image3->pos(); }};
    if (name == "refraction lamp")
        return {Form2,
                Form2->keys,
                0,
                Form2->Image2,
                centre(Form2->Image2),
                [](int x) { Form2->Image2->move(x, 8); },
                [] { return Form2->Image2->pos(); }};
    return {Form6,
            Form6->keys,
            0,
            Form6->Image1,
            [] { return QPoint(focalLineX(Form6->readParams()), Form6->Image1->height() / 2); },
            [](int x) { Form6->F = x; },
            [] { return QPoint(Form6->F, 0); }};
}
} // namespace

class TestAnimationKeys : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void pauseStepAndReopen_data() {
        QTest::addColumn<QString>("window");
        for (const char *w : {"focal", "huygens", "electrons"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void pauseStepAndReopen() {
        QFETCH(QString, window);
        const Animated a = animated(window);
        a.form->Show();
        a.begin();
        QTRY_VERIFY(a.state() > 0 || a.form->isVisible());
        a.animation->setPaused(true);
        const long before = a.state();
        pumpFor(250);
        QCOMPARE(a.state(), before);
        a.animation->step();
        QVERIFY(a.state() != before);
        const long stepped = a.state();
        a.form->close();
        QTRY_VERIFY(!a.form->isVisible());
        a.form->Show();
        if (window == "huygens") a.begin(); // it starts again from a double-click only
        const long reopened = a.state();
        if (window == "electrons") QCOMPARE(reopened, stepped);
        pumpFor(250);
        QVERIFY(a.animation->isPaused());
        QVERIFY(!a.form->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(a.state(), reopened);
        a.animation->setPaused(false);
        QTRY_VERIFY(a.state() != reopened);
        a.form->close();
        QTRY_VERIFY(!a.form->isVisible());
    }

    void arrowsDragAsTheMouse_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QPoint>("d");
        QTest::addColumn<bool>("moves");
        const QList<QString> names = {"mirror lamp", "mirror eye", "refraction lamp", "focal line"};
        for (const QString &n : names) {
            const int start = n == "focal line" ? 100 : 300;
            const QByteArray b = n.toLatin1();
            const bool sideways = !n.startsWith("mirror"); // these move along x only
            QTest::newRow(b + " right")
                << n << start << int(Qt::Key_Right) << false << QPoint(1, 0) << true;
            QTest::newRow(b + " shift left")
                << n << start << int(Qt::Key_Left) << true << QPoint(-10, 0) << true;
            QTest::newRow(b + " down")
                << n << start << int(Qt::Key_Down) << false << QPoint(0, 1) << !sideways;
        }
        // At the limits: the mirror's lamp stays right of the mirror, the
        // refraction lamp inside the picture.
        QTest::newRow("mirror lamp at the mirror")
            << QString("mirror lamp") << 275 << int(Qt::Key_Left) << true << QPoint(-10, 0) << true;
        QTest::newRow("refraction lamp at the edge")
            << QString("refraction lamp") << 5 << int(Qt::Key_Left) << true << QPoint(-10, 0)
            << false;
    }
    void arrowsDragAsTheMouse() {
        QFETCH(QString, object);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(QPoint, d);
        QFETCH(bool, moves);
        const Draggable o = draggable(object);
        o.form->Show();
        pumpFor(20);
        o.place(start);
        const QPoint before = o.state();
        o.keys->select(o.index);
        QTest::keyClick(qobject_cast<QWidget *>(o.keys->parent()), Qt::Key(key),
                        shift ? Qt::ShiftModifier : Qt::NoModifier);
        const QPoint byKeys = o.state();
        QCOMPARE(byKeys != before, moves);
        o.place(start);
        mouseDrag(o.target, o.grab(), d);
        QCOMPARE(byKeys, o.state());
        o.form->HideNow();
    }

    void tabWalksTheObjects() {
        Form5->Show();
        QVERIFY(QTest::qWaitForWindowActive(Form5));
        Form5->Image1->setFocus(Qt::TabFocusReason);
        QCOMPARE(Form5->keys->selected(), 0);
        QTest::keyClick(Form5->Image1, Qt::Key_Tab);
        QCOMPARE(Form5->keys->selected(), 1);
        QVERIFY(Form5->Image1->hasFocus());
        QCOMPARE(Form5->keys->focusFrame(), Form5->Image3->geometry().translated(-1, -1));
        Form5->HideNow();
    }
};

QTEST_MAIN(TestAnimationKeys)
#include "tst_animation_keys.moc"
