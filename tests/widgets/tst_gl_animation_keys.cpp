// Pause, single step and the arrow keys of the two 3D benches, rendered for
// real: the time stands while paused, a step is one frame's time, the pause
// outlives the bench made anew on each show, the arrows turn as a drag does.
#include "GlDriver.h"
#include "TestForms.h"
#include "polarisation/brewster/Fresnel.h"
#include "polarisation/brewster/Unit14.h"
#include "polarisation/malus/Unit16.h"
#include "widgets/KeyboardDrag.h"
#include "widgets/Surface.h"

#include <QMouseEvent>

namespace {
struct Bench {
    TDemoForm *form;
    std::function<OpticalBench *()> bench;
    TAnimationControl *animation;
    QWidget *panel;
    float *rotX, *rotY;
    double tick; // the time of one frame
};

Bench bench(const QString &name) {
    if (name == "malus")
        return {Form16,
                [] { return Form16->bench(); },
                Form16->animationControl(),
                Form16->Panel2,
                &Form16->rotX,
                &Form16->rotY,
                0.1};
    return {Form14,
            [] { return Form14->bench(); },
            Form14->animationControl(),
            Form14->Panel2,
            &Form14->rotX,
            &Form14->rotY,
            brewster::kTimeStep};
}

void showAndWait(const Bench &b) {
    b.form->Show();
    QTRY_VERIFY(b.bench() && b.bench()->T > 2 * b.tick);
}

void closeAndWait(const Bench &b) {
    b.form->close();
    QTRY_VERIFY_WITH_TIMEOUT(!b.form->isVisible(), 3000);
}

void mouseDrag(QWidget *w, QPoint d) {
    const QPoint from(100, 100), to = from + d;
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), w->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, {}, to);
}
} // namespace

class TestGLAnimationKeys : public QObject {
    Q_OBJECT
  private slots:
    // The leak checker can then name the driver's own allocations.
    void cleanupTestCase() { pinGlDriver(); }
    void initTestCase() {
        ensureForms();
        QVERIFY(OpticalBench::openGLAvailable());
    }

    void pauseStepAndReopen_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("malus") << QStringLiteral("malus");
        QTest::newRow("brewster") << QStringLiteral("brewster");
    }
    void pauseStepAndReopen() {
        QFETCH(QString, window);
        const Bench b = bench(window);
        showAndWait(b);
        b.animation->setPaused(true);
        pumpFor(100); // a frame already asked for is drawn
        const double before = b.bench()->T;
        pumpFor(250);
        QCOMPARE(b.bench()->T, before);
        b.animation->step();
        QTRY_COMPARE(b.bench()->T, before + b.tick);
        pumpFor(150);
        QCOMPARE(b.bench()->T, before + b.tick);
        closeAndWait(b);
        b.form->Show();
        QTRY_VERIFY(b.bench() && b.bench()->isValid());
        pumpFor(250);
        QVERIFY(b.bench()->isPaused());
        QCOMPARE(b.bench()->T, 0.0);
        b.animation->setPaused(false);
        QTRY_VERIFY(b.bench()->T > 0);
        closeAndWait(b);
    }

    void arrowsTurnAsTheMouse_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QPoint>("d");
        for (const char *w : {"malus", "brewster"}) {
            const QByteArray n(w);
            QTest::newRow(n + " right")
                << QString(n) << int(Qt::Key_Right) << false << QPoint(1, 0);
            QTest::newRow(n + " shift up")
                << QString(n) << int(Qt::Key_Up) << true << QPoint(0, -10);
        }
    }
    void arrowsTurnAsTheMouse() {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(QPoint, d);
        const Bench b = bench(window);
        showAndWait(b);
        const float x0 = *b.rotX, y0 = *b.rotY;
        QTest::keyClick(b.panel, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        const float kx = *b.rotX, ky = *b.rotY;
        *b.rotX = x0;
        *b.rotY = y0;
        mouseDrag(b.bench(), d);
        QCOMPARE(kx, *b.rotX);
        QCOMPARE(ky, *b.rotY);
        QVERIFY(kx != x0 || ky != y0);
        *b.rotX = x0;
        *b.rotY = y0;
        closeAndWait(b);
    }
};

QTEST_MAIN(TestGLAnimationKeys)
#include "tst_gl_animation_keys.moc"
