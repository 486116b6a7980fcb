// The mirror window driven like a user: its layout at start, the rendered
// picture, both drags with their clamps, and resizing.
#include "TestForms.h"
#include "geometric/mirror/Unit5.h"

#include <QMouseEvent>

namespace {

void mouse(QWidget *w, QEvent::Type type, QPoint global, Qt::MouseButton button,
           Qt::MouseButtons held) {
    const QPointF local = w->mapFromGlobal(QPointF(global));
    QMouseEvent e(type, local, QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Grabs the picture 5 pixels inside its corner, moves the cursor by each
// step in turn (screen pixels, from the grab point) and lets go.
void dragBy(QWidget *picture, const QList<QPoint> &steps) {
    const QPoint grab = picture->mapToGlobal(QPoint(5, 5));
    mouse(picture, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint &s : steps)
        mouse(picture, QEvent::MouseMove, grab + s, Qt::NoButton, Qt::LeftButton);
    mouse(picture, QEvent::MouseButtonRelease, grab + steps.last(), Qt::LeftButton, Qt::NoButton);
}

QRgb shown(QWidget *w, QPoint at) {
    return w->grab().toImage().pixel(at) & 0xFFFFFF;
}

int brightness(QRgb c) {
    return qRed(c) + qGreen(c) + qBlue(c);
}

} // namespace

class TestMirrorWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        clickLauncherButton("SpeedButton5");
        pumpFor(50);
        QVERIFY(Form5->isVisible());
    }

    void init() {
        Form5->resize(544, 343);
        Form5->Image2->move(416, 40);
        Form5->Image3->move(424, 264);
        Form5->DrawScene();
    }

    void layoutAtStart() {
        QCOMPARE(Form5->Panel1->geometry(), QRect(0, 0, 544, 343));
        QCOMPARE(Form5->Image1->geometry(), QRect(1, 1, 542, 341));
        QCOMPARE(Form5->Image1->Bitmap.size(), QSize(544, 343));
        QCOMPARE(Form5->Image2->geometry(), QRect(416, 40, 32, 48));
        QCOMPARE(Form5->Image3->geometry(), QRect(424, 264, 32, 32));
        QCOMPARE(Form5->Image4->geometry(), QRect(94, 40, 32, 48));
        QCOMPARE(Form5->Image2->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(Form5->Image3->cursor().shape(), Qt::PointingHandCursor);
    }

    void renderedPictureAtStart() {
        const QImage &b = Form5->Image1->Bitmap;
        QCOMPARE(b.pixel(271, 100) & 0xFFFFFF, 0x00FFFFu);
        // The two rays leave the mirror at heights 160 and 176.
        QCOMPARE(b.pixel(280, 154) & 0xFFFFFF, 0xFFFFFFu); // to the lamp from (271,160)
        QCOMPARE(b.pixel(280, 166) & 0xFFFFFF, 0xFFFFFFu); // to the eye top from (271,160)
        QCOMPARE(b.pixel(280, 182) & 0xFFFFFF, 0xFFFFFFu); // to the eye bottom from (271,176)
        QCOMPARE(b.pixel(280, 130) & 0xFFFFFF, 0x000000u);
        // The dim lamp stands at (94, 40) on the panel, dimmer than the lamp.
        const QRgb image = shown(Form5->Panel1, QPoint(94 + 16, 40 + 16));
        const QRgb lamp = shown(Form5->Panel1, QPoint(416 + 16, 40 + 16));
        QVERIFY(brightness(image) > 60);
        QVERIFY(brightness(image) < brightness(lamp));
        QCOMPARE(shown(Form5->Panel1, QPoint(94 + 1, 40 + 46)), 0x000000u);
    }

    // Moving the lamp's middle to the eye's top (yL = yT = 264): the top ray
    // meets the mirror at 264, level with the eye.
    void levelLampGivesHorizontalRay() {
        dragBy(Form5->Image2, {QPoint(0, 200)});
        QCOMPARE(Form5->Image2->y(), 240);
        const QImage &b = Form5->Image1->Bitmap;
        for (int x = 280; x < 420; x += 20)
            QCOMPARE(b.pixel(x, 264) & 0xFFFFFF, 0xFFFFFFu);
    }

    void drags_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("step");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("lamp inside") << "Image2" << QPoint(-50, 30) << QPoint(366, 70);
        QTest::newRow("lamp past the mirror") << "Image2" << QPoint(-400, 0) << QPoint(271, 40);
        QTest::newRow("lamp past the bottom") << "Image2" << QPoint(0, 900) << QPoint(416, 293);
        QTest::newRow("lamp past the right") << "Image2" << QPoint(900, 0) << QPoint(510, 40);
        QTest::newRow("lamp past the top") << "Image2" << QPoint(0, -90) << QPoint(416, 0);
        QTest::newRow("eye past the mirror") << "Image3" << QPoint(-400, -100) << QPoint(271, 164);
        QTest::newRow("eye past the bottom") << "Image3" << QPoint(0, 900) << QPoint(424, 309);
        QTest::newRow("eye past the right") << "Image3" << QPoint(900, 0) << QPoint(510, 264);
    }
    void drags() {
        QFETCH(QString, name);
        QFETCH(QPoint, step);
        QFETCH(QPoint, expected);
        auto *picture = Form5->findChild<QWidget *>(name);
        QVERIFY(picture);
        dragBy(picture, {step / 2, step});
        QCOMPARE(picture->pos(), expected);
        // Every move redraws: the dim lamp follows the lamp.
        QCOMPARE(Form5->Image4->pos(), QPoint(542 - Form5->Image2->x() - 32, Form5->Image2->y()));
        QVERIFY(!Form5->LampDragging);
        QVERIFY(!Form5->EyeDragging);
    }

    void moveWithoutButtonDoesNothing() {
        const QPoint at = Form5->Image2->mapToGlobal(QPoint(5, 5));
        mouse(Form5->Image2, QEvent::MouseMove, at + QPoint(-40, 40), Qt::NoButton, Qt::NoButton);
        QCOMPARE(Form5->Image2->pos(), QPoint(416, 40));
    }

    // A smaller window brings the pictures back inside, a larger one keeps
    // them where they are; a tiny one draws without failing.
    void resizing() {
        Form5->resize(400, 200);
        QCOMPARE(Form5->Image1->Bitmap.size(), QSize(400, 200));
        QCOMPARE(Form5->Image2->pos(), QPoint(366, 40));  // 398 - 32
        QCOMPARE(Form5->Image3->pos(), QPoint(366, 166)); // 198 - 32
        QCOMPARE(Form5->Image4->pos(), QPoint(398 - 366 - 32, 40));
        Form5->resize(800, 500);
        QCOMPARE(Form5->Image2->pos(), QPoint(399, 40)); // the mirror moved to 399
        QCOMPARE(Form5->Image1->Bitmap.pixel(399, 450) & 0xFFFFFF, 0x00FFFFu);
        for (int w : {61, 40, 3, 0}) {
            Form5->resize(w, w);
            Form5->DrawScene();
        }
        QVERIFY(Form5->Image1->Bitmap.width() <= 61);
    }
};

QTEST_MAIN(TestMirrorWindow)
#include "tst_mirror_window.moc"
