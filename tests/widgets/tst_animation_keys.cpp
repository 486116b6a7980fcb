// Pause and single step of the animations, and the arrow keys on the
// draggable pictures, which must move an object exactly as the mouse does.
#include "TestForms.h"
#include "atomic/microparticles/Unit51.h"
#include "atomic/xray/U_main.h"
#include "geometric/focal/Unit6.h"
#include "geometric/huygens/Unit15.h"
#include "geometric/lens/LensScene.h"
#include "geometric/lens/Unit3.h"
#include "geometric/mirror/Unit5.h"
#include "geometric/prism/Unit4.h"
#include "geometric/refraction/Unit2.h"
#include "polarisation/anisotropic/Unit11.h"
#include "widgets/KeyboardDrag.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QScrollBar>
#include <functional>

namespace {
struct Animated {
    TDemoForm *form;
    TAnimationControl *animation;
    std::function<void()> begin; // what starts the animation once shown
    std::function<double()> state;
    bool timed = true;                       // ticked by the window's Timer1
    bool keeps = false;                      // a reopened window goes on from where it stood
    std::function<double(double)> next = {}; // the state one tick on, where known
};

Animated animated(const QString &name) {
    if (name == "focal") return {Form6, Form6->animation, [] {}, [] { return double(Form6->P); }};
    if (name == "huygens")
        return {Form15, Form15->animation, [] { Form15->Image1DblClick(); },
                [] { return double(Form15->t); }};
    if (name == "anisotropic")
        return {Form11,
                Form11->animationControl(),
                [] {
                    Form11->PageControl1->setCurrentIndex(1);
                    Form11->TrackBar1->setValue(15);
                    // The picture is cleared once after its first layout.
                    QTRY_VERIFY(!Form11->Timer1.isActive() && Form11->animation.t != 0);
                },
                [] { return double(Form11->animation.t); },
                false,
                true,
                [](double t) { return t + double(Form11->params.dt); }};
    if (name == "prism")
        return {Form4,
                Form4->animationControl(),
                [] { Form4->PageControl1->setCurrentIndex(0); },
                [] { return double(Form4->animation()->currentFrameNumber()); },
                false,
                true,
                [](double f) { return double((int(f) + 1) % Form4->animation()->frameCount()); }};
    return {Form51,
            Form51->animation,
            [] {
                Form51->ComboBox1->setCurrentText(QStringLiteral("100000"));
                Form51->ComboBox2->setCurrentText(QStringLiteral("100")); // 10 a tick
                Form51->Button1Click();
            },
            [] { return double(Form51->state.total); },
            true,
            true,
            [](double n) { return n + 10; }};
}

void mouse(QWidget *w, QEvent::Type type, QPoint local, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void mouseDrag(QWidget *w, QPoint from, QPoint to, Qt::MouseButton button) {
    mouse(w, QEvent::MouseButtonPress, from, button, button);
    mouse(w, QEvent::MouseMove, to, Qt::NoButton, button);
    mouse(w, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

struct Draggable {
    TDemoForm *form;
    TKeyboardDrag *keys;
    int index;
    QWidget *target;
    std::function<QPoint()> grab;
    std::function<void(int)> place; // puts the object somewhere known
    std::function<QPoint()> state;
    std::function<QPoint()> anchor = {}; // where the pointer goes on from; unset: grab
    Qt::MouseButton button = Qt::LeftButton;
};

// The lens's object is slid with the left button, its tip pulled with the
// right one; both are grabbed halfway up the arrow.
Draggable lens(bool tip) {
    Draggable o{Form3,
                Form3->keys,
                tip ? 1 : 0,
                Form3->Image1,
                [] {
                    const LensParams p = Form3->readParams();
                    return (objectBase(p) + objectTip(p)) / 2;
                },
                [](int d) {
                    Form3->Edit2->setText(QString::number(d));
                    Form3->Edit4->setText(QStringLiteral("6"));
                    Form3->Edit6->setText(QStringLiteral("90"));
                },
                [] { return objectTip(Form3->readParams()); }};
    if (tip) {
        o.anchor = o.state;
        o.button = Qt::RightButton;
    }
    return o;
}

Draggable draggable(const QString &name) {
    const auto centre = [](QWidget *w) { return [w] { return w->rect().center(); }; };
    if (name.startsWith("lens")) return lens(name == "lens tip");
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
        for (const char *w : {"focal", "huygens", "electrons", "anisotropic", "prism"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void pauseStepAndReopen() {
        QFETCH(QString, window);
        const Animated a = animated(window);
        a.form->Show();
        a.begin();
        QTRY_VERIFY(a.state() > 0 || a.form->isVisible());
        a.animation->setPaused(true);
        pumpFor(50); // a tick already asked for is answered
        const double before = a.state();
        pumpFor(250);
        QCOMPARE(a.state(), before);
        a.animation->step();
        QVERIFY(a.state() != before);
        if (a.next) QCOMPARE(a.state(), a.next(before));
        const double stepped = a.state();
        a.form->close();
        QTRY_VERIFY(!a.form->isVisible());
        a.form->Show();
        if (window == "huygens") a.begin(); // it starts again from a double-click only
        const double reopened = a.state();
        if (a.keeps) QCOMPARE(reopened, stepped);
        pumpFor(250);
        QVERIFY(a.animation->isPaused());
        if (a.timed) QVERIFY(!a.form->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
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
        const QList<QString> names = {"mirror lamp", "mirror eye",  "refraction lamp",
                                      "focal line",  "lens object", "lens tip"};
        for (const QString &n : names) {
            const int start = n == "focal line" ? 100 : n.startsWith("lens") ? 28 : 300;
            const QByteArray b = n.toLatin1();
            // These move along x only.
            const bool sideways = !n.startsWith("mirror") && n != "lens tip";
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
        // The object goes through the lens; its tip stops on the lens plane.
        QTest::newRow("lens object through the lens")
            << QString("lens object") << 0 << int(Qt::Key_Right) << true << QPoint(10, 0) << true;
        QTest::newRow("lens tip at the lens plane")
            << QString("lens tip") << 1 << int(Qt::Key_Right) << true << QPoint(10, 0) << true;
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
        mouseDrag(o.target, o.grab(), (o.anchor ? o.anchor() : o.grab()) + d, o.button);
        QCOMPARE(byKeys, o.state());
        o.form->HideNow();
    }

    // The X-ray marker goes the scroll bar's way: one value a pixel, within its range.
    void markerFollowsTheArrows_data() {
        QTest::addColumn<int>("start"); // -1: the scroll bar's maximum
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("expected");
        QTest::newRow("right") << 50 << int(Qt::Key_Right) << false << 51;
        QTest::newRow("shift left") << 50 << int(Qt::Key_Left) << true << 40;
        QTest::newRow("up does nothing") << 50 << int(Qt::Key_Up) << false << 50;
        QTest::newRow("at zero") << 5 << int(Qt::Key_Left) << true << 0;
        QTest::newRow("at the end") << -1 << int(Qt::Key_Right) << true << -1;
    }
    void markerFollowsTheArrows() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(int, expected);
        form_Main->Show();
        form_Main->PageControl1->setCurrentIndex(1);
        pumpFor(20);
        form_Main->cb_Elements->setCurrentIndex(form_Main->cb_Elements->findText("Fe"));
        form_Main->BitBtn1Click();
        QScrollBar *bar = form_Main->ScrollBar;
        bar->setValue(start < 0 ? bar->maximum() : start);
        QTest::keyClick(form_Main->im_Graphics, Qt::Key(key),
                        shift ? Qt::ShiftModifier : Qt::NoModifier);
        const int want = expected < 0 ? bar->maximum() : expected;
        QCOMPARE(bar->value(), want);
        QCOMPARE(int(form_Main->Old_Value), want);
        form_Main->HideNow();
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
