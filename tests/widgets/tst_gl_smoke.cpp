// Every window, driven the way an impatient class would: shown, typed into
// with nonsense, clicked, resized to extremes, closed and shown again. Runs
// on a real X server so that the OpenGL windows take part too.
#include "GlDriver.h"
#include "TestForms.h"
#include "widgets/DemoForm.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

const char *const kNastyTexts[] = {"",    "-",     "0",    "-5",      "1e400",        "-1e400",
                                   "abc", "1e-30", "1e30", "  12.5x", "999999999999", "nan",
                                   "."};

QList<TDemoForm *> demonstrationWindows() {
    QList<TDemoForm *> list;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<TDemoForm *>(w)) list.append(d);
    return list;
}

void typeEverywhere(QWidget *window) {
    for (QLineEdit *e : window->findChildren<QLineEdit *>()) {
        if (!e->isVisibleTo(window) || !e->isEnabled()) continue;
        for (const char *t : kNastyTexts) {
            e->setText(QString::fromLatin1(t));
            QTest::keyClick(e, Qt::Key_Return);
        }
        e->setText(QStringLiteral("1"));
    }
}

void clickEverything(QWidget *window) {
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->isVisibleTo(window) && b->isEnabled()) b->click();
    for (QAbstractSlider *s : window->findChildren<QAbstractSlider *>()) {
        s->setValue(s->maximum());
        s->setValue(s->minimum());
    }
    for (QComboBox *c : window->findChildren<QComboBox *>())
        for (int i = 0; i < c->count(); ++i)
            c->setCurrentIndex(i);
}

} // namespace

class TestSmoke : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        auto *t = new QTimer(this);
        connect(t, &QTimer::timeout, this, &dismissModals);
        t->start(30);
    }

    void everyWindowSurvivesUse() {
        const QList<TDemoForm *> windows = demonstrationWindows();
        QCOMPARE(windows.size(), 17);
        for (TDemoForm *w : windows) {
            w->Show();
            pumpFor(50);
            typeEverywhere(w);
            clickEverything(w);
            pumpFor(100);
            for (QSize s : {QSize(1, 1), QSize(2000, 1500), QSize(300, 200)}) {
                w->resize(s);
                pumpFor(30);
            }
            w->close();
            pumpFor(600);
            QVERIFY2(w->isHidden(), w->metaObject()->className());
            w->Show();
            pumpFor(50);
            QVERIFY(w->isVisible());
            w->HideNow();
        }
    }

    void cleanupTestCase() { pinGlDriver(); }
};

QTEST_MAIN(TestSmoke)
#include "tst_gl_smoke.moc"
