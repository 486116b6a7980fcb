// The Malus window rendered for real (Xvfb, Mesa): beam brightness behind
// the second polariser, camera drags, fresh context per showing, wheel.
#include "GlDriver.h"
#include "TestForms.h"
#include "polarisation/malus/Unit16.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QMatrix4x4>
#include <QOpenGLContext>
#include <QWheelEvent>

namespace {
// Where a scene point lands in the bench's picture: the camera of the
// window, the viewport of the client area anchored at the panel's bottom.
QPoint project(const TForm16 *f, QVector3D p) {
    const QSize c = f->size();
    QMatrix4x4 m;
    m.perspective(45, float(c.width()) / float(c.height()), 3, 100);
    m.translate(0, 0, -4.5f);
    m.rotate(f->rotX, 1, 0, 0);
    m.rotate(f->rotY, 0, 1, 0);
    const QVector3D n = m.map(p);
    const float vx = (n.x() + 1) / 2 * float(c.width());
    const float vy = (n.y() + 1) / 2 * float(c.height());
    return {int(vx), f->Panel2->height() - int(vy)};
}

// The beam is yellow; the grey X axis running through it is not counted.
int yellowNear(const QImage &img, QPoint at) {
    int best = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const QPoint q = at + QPoint(dx, dy);
            if (img.rect().contains(q)) {
                const QRgb c = img.pixel(q);
                best = std::max(best, (qRed(c) + qGreen(c)) / 2 - qBlue(c));
            }
        }
    return best;
}

void showAndWait() {
    Form16->Show();
    QTRY_VERIFY(Form16->bench() && Form16->bench()->T > 0.25);
}

void closeAndWait() {
    Form16->close();
    QTRY_VERIFY_WITH_TIMEOUT(!Form16->isVisible(), 3000);
}
} // namespace

class TestGLMalus : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        QVERIFY(OpticalBench::openGLAvailable());
    }

    void beamBehindFollowsTheta_data() {
        QTest::addColumn<int>("theta");
        QTest::addColumn<bool>("bright");
        QTest::newRow("0: bright") << 0 << true;
        QTest::newRow("90: dark") << 90 << false;
        QTest::newRow("180: bright again") << 180 << true;
    }
    void beamBehindFollowsTheta() {
        QFETCH(int, theta);
        QFETCH(bool, bright);
        Form16->CSafeSpinEdit2->setValue(theta);
        showAndWait();
        pumpFor(150);
        const QImage img = Form16->bench()->grabFramebuffer();
        const int behind = yellowNear(img, project(Form16, {1.3f, 0, 0}));
        const int before = yellowNear(img, project(Form16, {-1.3f, 0, 0}));
        QVERIFY2(before > 100, qPrintable(QString::number(before)));
        if (bright)
            QVERIFY2(behind > 100, qPrintable(QString::number(behind)));
        else
            QVERIFY2(behind < 20, qPrintable(QString::number(behind)));
        closeAndWait();
    }

    void dragTurnsTheView() {
        showAndWait();
        OpticalBench *b = Form16->bench();
        const float x0 = Form16->rotX, y0 = Form16->rotY;
        QTest::mousePress(b, Qt::LeftButton, {}, {100, 100});
        QCOMPARE(b->cursor().shape(), Qt::SizeAllCursor);
        QMouseEvent move(QEvent::MouseMove, QPointF(200, 100), b->mapToGlobal(QPointF(200, 100)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(b, &move);
        QTest::mouseRelease(b, Qt::LeftButton, {}, {200, 100});
        QCOMPARE(Form16->rotY, y0 + 100);
        QCOMPARE(Form16->rotX, x0);
        QCOMPARE(b->cursor().shape(), Qt::ArrowCursor);
        Form16->rotY = y0;
        closeAndWait();
    }

    void reopenMakesFreshContextAndRestartsTime() {
        showAndWait();
        QPointer<OpticalBench> first = Form16->bench();
        QPointer<QOpenGLContext> ctx = first->context();
        QVERIFY(ctx);
        closeAndWait();
        QVERIFY(!first);
        QVERIFY(!ctx);
        const double before = 0.25;
        Form16->Show();
        QVERIFY(Form16->bench());
        QVERIFY(Form16->bench()->T < before); // restarted, at most a frame in
        QTRY_VERIFY(Form16->bench()->context() && Form16->bench()->T > 0);
        closeAndWait();
    }

    void wheel_data() {
        QTest::addColumn<int>("theta");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::newRow("down at 0: nothing") << 0 << -120 << 0;
        QTest::newRow("down at 5") << 5 << -120 << 4;
        QTest::newRow("up at 0") << 0 << 120 << 1;
    }
    void wheel() {
        QFETCH(int, theta);
        QFETCH(int, delta);
        QFETCH(int, expected);
        showAndWait();
        Form16->CSafeSpinEdit2->setValue(theta);
        QWheelEvent e(QPointF(50, 200), Form16->mapToGlobal(QPointF(50, 200)), {}, {0, delta},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Form16, &e);
        QCOMPARE(Form16->CSafeSpinEdit2->Value(), expected);
        closeAndWait();
    }

    void autoRotationStepsPerFrame() {
        Form16->CSafeSpinEdit2->setValue(10);
        Form16->CheckBox1->setChecked(true);
        showAndWait();
        QTRY_VERIFY(Form16->CSafeSpinEdit2->Value() > 12);
        Form16->CheckBox1->setChecked(false);
        closeAndWait();
        Form16->CSafeSpinEdit2->setValue(0);
    }

    void cleanupTestCase() { pinGlDriver(); }
};

QTEST_MAIN(TestGLMalus)
#include "tst_gl_malus.moc"
