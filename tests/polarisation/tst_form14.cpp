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

    // Every control at its place with its text (typos as designed); the
    // captions on the left end before what stands to their right.
    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("endsBefore");
        const char *checks[][2] = {{"CheckBox1", "Боковая поверхность"},
                                   {"CheckBox5", "Только каркасы поверхностей"},
                                   {"CheckBox7", "Сглаживание линий"},
                                   {"CheckBox2", "Составляющие поляризации"},
                                   {"CheckBox8", "Закраска составляющих поляризации"},
                                   {"CheckBox3", "Результирующая волна"},
                                   {"CheckBox6", "Закраска  волны"},
                                   {"CheckBox4", "Рисовать лучи света"}};
        for (int i = 0; i < 8; ++i)
            QTest::newRow(checks[i][0])
                << checks[i][0] << QPoint(8, 8 + 16 * i) << QString::fromUtf8(checks[i][1]) << 240;
        const char *labels[][2] = {
            {"Label1", "Сдвиг фазы fy-fx, град:"},
            {"Label2", "Соотношение Ey/Ex:"},
            {"Label3", "Угол падения, град:"},
            {"Label6", "Длина волны, нм:"},
            {"Label4", "Показатель преломломления для параллельной составляющей:"},
            {"Label5", "Показатель преломломления для перпендикулярной составляющей:"}};
        const QPoint labelAt[] = {{240, 12}, {240, 36}, {240, 60}, {240, 84}, {8, 140}, {8, 164}};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(labels[i][0])
                << labels[i][0] << labelAt[i] << QString::fromUtf8(labels[i][1]) << 368;
        const char *inputs[][2] = {{"CSafeSpinEdit1", "0"},  {"Edit1", "1.0"},
                                   {"CSafeSpinEdit2", "60"}, {"CSafeSpinEdit3", "500"},
                                   {"Edit2", "1.3"},         {"Edit3", "1.3"}};
        const int inputY[] = {8, 32, 56, 80, 136, 160};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(inputs[i][0])
                << inputs[i][0] << QPoint(368, inputY[i]) << QString::fromUtf8(inputs[i][1]) << 446;
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QPoint, at);
        QFETCH(QString, text);
        QFETCH(int, endsBefore);
        auto *w = Form14->Panel1->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->pos(), at);
        QVERIFY2(w->geometry().right() < endsBefore, "runs into its neighbour");
        if (auto *c = qobject_cast<QCheckBox *>(w)) {
            QCOMPARE(c->text(), text);
            QVERIFY(c->height() <= 17); // the next one starts 16 px below
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            QCOMPARE(l->text(), text);
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            QCOMPARE(e->text(), text);
        } else {
            QCOMPARE(static_cast<TCSpinEdit *>(w)->Text(), text);
        }
    }

    void defaults() {
        QCOMPARE(Form14->CheckBox1->isChecked(), true);
        QCOMPARE(Form14->CheckBox5->isChecked(), false);
        QCOMPARE(Form14->CheckBox7->isChecked(), false);
        QCOMPARE(Form14->CheckBox2->isChecked(), true);
        QCOMPARE(Form14->CheckBox8->isChecked(), false);
        QCOMPARE(Form14->CheckBox3->isChecked(), true);
        QCOMPARE(Form14->CheckBox6->isChecked(), true);
        QCOMPARE(Form14->CheckBox4->isChecked(), false);
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
