// The focal-length window driven like a user: its surface, the animation
// and its restarts, the wheel, the drag of the focal line and its cursor.
#include "TestForms.h"
#include "geometric/focal/Unit6.h"

#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

namespace {

void mouse(QEvent::Type type, int x, Qt::MouseButtons held) {
    const QPointF at(x, 100);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, Form6->Image1->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(Form6->Image1, &e);
}

void wheel(int delta) {
    const QPointF at(100, 100);
    // Sent events do not travel up to parents: the window gets it, as the
    // picture passes a real wheel event on.
    QWheelEvent e(at, Form6->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Form6, &e);
    QVERIFY(e.isAccepted());
}

} // namespace

class TestFocalWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form6->Show();
        pumpFor(50);
    }

    void init() {
        if (!Form6->isVisible()) Form6->Show();
        Form6->resize(536, 348);
        Form6->F = 100;
        Form6->T = 0;
        Form6->Dragging = false;
        Form6->Image1DblClick();
    }

    void designSurface() {
        QCOMPARE(Form6->windowTitle(), QStringLiteral("Фокусное расстояние линзы."));
        QCOMPARE(Form6->Panel1->geometry(), QRect(0, 0, 536, 348));
        QCOMPARE(Form6->Image1->geometry(), QRect(1, 1, 534, 346));
        QCOMPARE(Form6->Image1->Bitmap.size(), QSize(536, 348));
        QCOMPARE(Form6->Timer1->interval(), 50);
    }

    void showAndDoubleClickRestart() {
        for (int i = 0; i < 40; ++i)
            Form6->Timer1Timer();
        QVERIFY(Form6->P > 100);
        Form6->Image1DblClick();
        QCOMPARE(Form6->P, 0);
        QVERIFY(Form6->Timer1->isActive());
        Form6->close();
        QTRY_VERIFY(!Form6->isVisible());
        QVERIFY(!Form6->Timer1->isActive());
        Form6->P = 77;
        Form6->Show();
        QCOMPARE(Form6->P, 0);
        QVERIFY(Form6->Timer1->isActive());
    }

    void animationEndsAtEdgeAndKeepsRunning() {
        for (int i = 0; i < 200; ++i)
            Form6->Timer1Timer();
        QCOMPARE(Form6->P, Form6->Image1->width());
        QVERIFY(Form6->Timer1->isActive());
        // The real timer draws too.
        Form6->Image1DblClick();
        QTRY_VERIFY(Form6->P > 10);
    }

    void wheelTiltsByWholeNotches() {
        wheel(120);
        QCOMPARE(Form6->T, 1);
        wheel(60);
        QCOMPARE(Form6->T, 1);
    }

    void dragAcrossTheLens() {
        const int line = 267 + 100;
        mouse(QEvent::MouseButtonPress, line + 4, Qt::LeftButton); // too far to grab
        QVERIFY(!Form6->Dragging);
        mouse(QEvent::MouseButtonPress, line + 1, Qt::LeftButton);
        QVERIFY(Form6->Dragging);
        mouse(QEvent::MouseMove, 267 + 51, Qt::LeftButton);
        QCOMPARE(Form6->F, 50);
        mouse(QEvent::MouseMove, 267 + 20, Qt::LeftButton);
        QCOMPARE(Form6->F, 30);
        mouse(QEvent::MouseMove, 267 - 4, Qt::LeftButton);
        QCOMPARE(Form6->F, -10);
        mouse(QEvent::MouseMove, 267 - 59, Qt::LeftButton);
        QCOMPARE(Form6->F, -60);
        // Exactly on the lens: F = 0 and the picture stays as it was.
        const QImage before = Form6->Image1->Bitmap.copy();
        mouse(QEvent::MouseMove, 267 + 1, Qt::LeftButton);
        QCOMPARE(Form6->F, 0);
        Form6->Timer1Timer();
        QCOMPARE(Form6->Image1->Bitmap, before);
        mouse(QEvent::MouseMove, 267 + 81, Qt::LeftButton);
        QCOMPARE(Form6->F, 80);
        mouse(QEvent::MouseButtonRelease, 267 + 81, Qt::NoButton);
        QVERIFY(!Form6->Dragging);
        mouse(QEvent::MouseMove, 100, Qt::NoButton);
        QCOMPARE(Form6->F, 80);
    }

    void cursorOverTheLine_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("shape");
        QTest::newRow("on the line") << 367 << int(Qt::SizeHorCursor);
        QTest::newRow("2 px right") << 369 << int(Qt::SizeHorCursor);
        QTest::newRow("far") << 50 << int(Qt::ArrowCursor);
    }
    void cursorOverTheLine() {
        QFETCH(int, x);
        QFETCH(int, shape);
        mouse(QEvent::MouseMove, x, Qt::NoButton);
        QCOMPARE(int(Form6->Image1->cursor().shape()), shape);
    }

    void resizeFollowsThePanel() {
        Form6->resize(700, 420);
        QCOMPARE(Form6->Image1->Bitmap.size(), Form6->Panel1->size());
        QCOMPARE(Form6->Panel1->size(), QSize(700, 420));
        // The lens moves to the new middle.
        QCOMPARE(Form6->Image1->Bitmap.pixel(350 - 3, 210) & 0xFFFFFF, QRgb(0x00FFFF));
    }
};

QTEST_MAIN(TestFocalWindow)
#include "tst_focal_window.moc"
