// The reflection and refraction window without OpenGL (offscreen): its
// controls, their enabling rules, the wheel, and the failure to open a
// context, which is reported and closes the window.
#include "TestForms.h"
#include "polarisation/brewster/Unit14.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWheelEvent>

namespace {
void wheel(int delta) {
    QWheelEvent e(QPointF(50, 300), Form14->mapToGlobal(QPointF(50, 300)), {}, {0, delta},
                  Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Form14, &e);
}
} // namespace

class TestForm14 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void frame() {
        QCOMPARE(
            Form14->windowTitle(),
            QStringLiteral("Поляризация света при отражении и преломлении. Явление Брюстера."));
        QCOMPARE(Form14->size(), QSize(454 - 8, 573 - 27));
        QCOMPARE(Form14->Panel1->height(), 185);
        QCOMPARE(Form14->Panel2->geometry(), QRect(0, 185, 446, 546 - 185));
        QCOMPARE(Form14->rotX, -70.f);
        QCOMPARE(Form14->rotY, 0.f);
    }

    void checkBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("side") << "CheckBox1" << 8 << "Боковая поверхность" << true;
        QTest::newRow("wire") << "CheckBox5" << 24 << "Только каркасы поверхностей" << false;
        QTest::newRow("smooth") << "CheckBox7" << 40 << "Сглаживание линий" << false;
        QTest::newRow("components") << "CheckBox2" << 56 << "Составляющие поляризации" << true;
        QTest::newRow("fill components")
            << "CheckBox8" << 72 << "Закраска составляющих поляризации" << false;
        QTest::newRow("resultant") << "CheckBox3" << 88 << "Результирующая волна" << true;
        QTest::newRow("fill wave, two blanks") << "CheckBox6" << 104 << "Закраска  волны" << true;
        QTest::newRow("rays") << "CheckBox4" << 120 << "Рисовать лучи света" << false;
    }
    void checkBoxes() {
        QFETCH(QString, name);
        QFETCH(int, y);
        QFETCH(QString, text);
        QFETCH(bool, ticked);
        auto *c = Form14->Panel1->findChild<QCheckBox *>(name);
        QVERIFY(c);
        QCOMPARE(c->pos(), QPoint(8, y));
        QCOMPARE(c->text(), text);
        QCOMPARE(c->isChecked(), ticked);
        QVERIFY(c->isEnabled());
        QVERIFY(c->height() <= 17); // the next one starts 16 px below
        QVERIFY2(c->geometry().right() < 240, "caption runs into the labels");
    }

    void inputs_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QPoint>("labelAt");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QPoint>("inputAt");
        QTest::addColumn<QString>("value");
        QTest::newRow("phase") << "Label1" << QPoint(240, 12) << "Сдвиг фазы fy-fx, град:"
                               << "CSafeSpinEdit1" << QPoint(368, 8) << "0";
        QTest::newRow("ratio") << "Label2" << QPoint(240, 36) << "Соотношение Ey/Ex:"
                               << "Edit1" << QPoint(368, 32) << "1.0";
        QTest::newRow("angle") << "Label3" << QPoint(240, 60) << "Угол падения, град:"
                               << "CSafeSpinEdit2" << QPoint(368, 56) << "60";
        QTest::newRow("wavelength") << "Label6" << QPoint(240, 84) << "Длина волны, нм:"
                                    << "CSafeSpinEdit3" << QPoint(368, 80) << "500";
        QTest::newRow("parallel index")
            << "Label4" << QPoint(8, 140)
            << "Показатель преломломления для параллельной составляющей:"
            << "Edit2" << QPoint(368, 136) << "1.3";
        QTest::newRow("perpendicular index")
            << "Label5" << QPoint(8, 164)
            << "Показатель преломломления для перпендикулярной составляющей:"
            << "Edit3" << QPoint(368, 160) << "1.3";
    }
    void inputs() {
        QFETCH(QString, label);
        QFETCH(QPoint, labelAt);
        QFETCH(QString, caption);
        QFETCH(QString, input);
        QFETCH(QPoint, inputAt);
        QFETCH(QString, value);
        auto *l = Form14->Panel1->findChild<QLabel *>(label);
        auto *w = Form14->Panel1->findChild<QWidget *>(input);
        QVERIFY(l && w);
        QCOMPARE(l->pos(), labelAt);
        QCOMPARE(l->text(), caption);
        QVERIFY2(l->geometry().right() < inputAt.x(), "caption runs into its input");
        QCOMPARE(w->pos(), inputAt);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            QCOMPARE(e->text(), value);
        else
            QCOMPARE(static_cast<TCSpinEdit *>(w)->Text(), value);
        QVERIFY(w->geometry().right() < Form14->Panel1->width());
    }

    void spinRanges() {
        Form14->CSafeSpinEdit1->setValue(400);
        QCOMPARE(Form14->CSafeSpinEdit1->Value(), 360);
        Form14->CSafeSpinEdit2->setValue(-3);
        QCOMPARE(Form14->CSafeSpinEdit2->Value(), 0);
        Form14->CSafeSpinEdit3->setValue(900);
        QCOMPARE(Form14->CSafeSpinEdit3->Value(), 800);
        Form14->CSafeSpinEdit1->setValue(0);
        Form14->CSafeSpinEdit2->setValue(60);
        Form14->CSafeSpinEdit3->setValue(500);
    }

    // A fill option is available only while what it fills is drawn.
    void enablingRules_data() {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("dependent");
        QTest::newRow("components and their fill") << "CheckBox2"
                                                   << "CheckBox8";
        QTest::newRow("wave and its fill") << "CheckBox3"
                                           << "CheckBox6";
    }
    void enablingRules() {
        QFETCH(QString, owner);
        QFETCH(QString, dependent);
        auto *o = Form14->Panel1->findChild<QCheckBox *>(owner);
        auto *d = Form14->Panel1->findChild<QCheckBox *>(dependent);
        QVERIFY(o && d && o->isChecked() && d->isEnabled());
        o->click();
        QVERIFY(!d->isEnabled());
        o->click();
        QVERIFY(d->isEnabled());
        o->setChecked(false);
        QVERIFY(!d->isEnabled());
        o->setChecked(true);
        QVERIFY(d->isEnabled());
    }

    void wheel_data() {
        QTest::addColumn<int>("alpha");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::newRow("up at 0: nothing") << 0 << 120 << 0;
        QTest::newRow("down at 89: nothing") << 89 << -120 << 89;
        QTest::newRow("up at 60") << 60 << 120 << 59;
        QTest::newRow("down at 60") << 60 << -120 << 61;
    }
    void wheel() {
        QFETCH(int, alpha);
        QFETCH(int, delta);
        QFETCH(int, expected);
        Form14->CSafeSpinEdit2->setValue(alpha);
        ::wheel(delta);
        QCOMPARE(Form14->CSafeSpinEdit2->Value(), expected);
        Form14->CSafeSpinEdit2->setValue(60);
    }

    // The offscreen platform has no OpenGL at all.
    void noOpenGLClosesTheWindow() {
        QVERIFY(!OpticalBench::openGLAvailable());
        QString title, text;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
        poll.start(20);
        Form14->Show();
        pumpFor(200 + TDemoForm::kFadeMs + 300);
        QCOMPARE(title, QStringLiteral("Error"));
        QCOMPARE(text, QStringLiteral("SetPixelFormat failed"));
        QVERIFY(!Form14->isVisible());
        QVERIFY(Form14->bench() == nullptr);
    }
};

QTEST_MAIN(TestForm14)
#include "tst_form14.moc"
