// Random input over every demonstration, the way a class full of students
// would give it: clicks and drags anywhere, wheels of any size, keys
// (Cyrillic and control ones), absurd texts in every edit, windows shown,
// hidden, closed and resized. Seeded, so a failing run can be replayed:
//   LUMIVISTA_MONKEY_SEED=<seed> LUMIVISTA_MONKEY_EVENTS=<n> tst_gl_monkey
// The longest the event loop was blocked by one event is reported.
#include "GlDriver.h"
#include "TestForms.h"
#include "widgets/DemoForm.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>
#include <random>

namespace {

const char *const kTexts[] = {"",
                              "-",
                              "0",
                              "-5",
                              "1e308",
                              "-1e308",
                              "1e-30",
                              "nan",
                              "inf",
                              "  12.5x",
                              "abc",
                              "999999999999999999999",
                              "0.000000001",
                              "2147483648",
                              ".",
                              "1e400",
                              "Ё",
                              "100000"};
const char16_t *const kCyrillic[] = {u"а", u"я", u"Ж", u"ё", u"Щ"};
const Qt::Key kControlKeys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Backspace,
                                Qt::Key_Delete, Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Left,
                                Qt::Key_Right,  Qt::Key_Home,   Qt::Key_PageUp, Qt::Key_Space};
const int kWheelDeltas[] = {120, -120, 15, -15, 60, 100000, -100000, 1};

quint32 envNumber(const char *name, quint32 fallback) {
    bool ok = false;
    const quint32 v = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? v : fallback;
}

class Monkey {
  public:
    explicit Monkey(quint32 seed) : rng(seed) {}
    bool trace = false; // each action on the log, to narrow a failure down

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    void act(const QList<TDemoForm *> &windows) {
        TDemoForm *w = windows[pick(int(windows.size()))];
        const int what = pick(100);
        if (trace) qInfo("%s %d", w->metaObject()->className(), what);
        if (what < 4) {
            w->Show();
        } else if (what < 6) {
            w->close();
        } else if (what < 7) {
            w->HideNow();
        } else if (what < 9) {
            w->resize(pick(1400), pick(1000));
        } else if (w->isVisible()) {
            onChild(randomChild(w));
        }
    }

  private:
    QWidget *randomChild(QWidget *w) {
        QList<QWidget *> kids;
        for (QWidget *c : w->findChildren<QWidget *>())
            if (c->isVisible() && c->isEnabled()) kids.append(c);
        return kids.isEmpty() ? w : kids[pick(int(kids.size()))];
    }

    QPointF somewhere(QWidget *c) {
        return QPointF(pick(std::max(1, c->width() + 40)) - 20,
                       pick(std::max(1, c->height() + 40)) - 20);
    }

    void mouse(QWidget *c, QEvent::Type type, QPointF at, Qt::MouseButton b, Qt::MouseButtons held,
               Qt::KeyboardModifiers m) {
        QMouseEvent e(type, at, c->mapToGlobal(at), b, held, m);
        QApplication::sendEvent(c, &e);
    }

    void onChild(QWidget *c) {
        if (trace) qInfo("  on %s %s", c->metaObject()->className(), qPrintable(c->objectName()));
        const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier,
                                              Qt::ControlModifier};
        const Qt::KeyboardModifiers m = mods[pick(3)];
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton b = buttons[pick(3)];
        switch (pick(8)) {
        case 0: { // a drag
            mouse(c, QEvent::MouseButtonPress, somewhere(c), b, b, m);
            for (int i = pick(4); i >= 0; --i)
                mouse(c, QEvent::MouseMove, somewhere(c), Qt::NoButton, b, m);
            mouse(c, QEvent::MouseButtonRelease, somewhere(c), b, Qt::NoButton, m);
            break;
        }
        case 1:
            mouse(c, QEvent::MouseButtonDblClick, somewhere(c), b, b, m);
            break;
        case 2: {
            const int d = kWheelDeltas[pick(int(std::size(kWheelDeltas)))];
            const QPointF at = somewhere(c);
            QWheelEvent e(at, c->mapToGlobal(at), QPoint(), QPoint(0, d), Qt::NoButton, m,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(c, &e);
            break;
        }
        case 3: { // a Cyrillic letter, as single key events (keyClicks cannot)
            const QString ch = QString::fromUtf16(kCyrillic[pick(int(std::size(kCyrillic)))]);
            QTest::sendKeyEvent(QTest::Click, c, Qt::Key_unknown, ch, Qt::NoModifier);
            break;
        }
        case 4:
            QTest::keyClick(c, kControlKeys[pick(int(std::size(kControlKeys)))], m);
            break;
        case 5:
            if (auto *e = qobject_cast<QLineEdit *>(c)) {
                e->setText(QString::fromUtf8(kTexts[pick(int(std::size(kTexts)))]));
                QTest::keyClick(e, Qt::Key_Return);
            } else {
                QTest::keyClick(c, Qt::Key(Qt::Key_0 + pick(10)));
            }
            break;
        case 6:
            if (auto *btn = qobject_cast<QAbstractButton *>(c))
                btn->click();
            else if (auto *s = qobject_cast<QAbstractSlider *>(c))
                s->setValue(s->minimum() + pick(std::max(1, s->maximum() - s->minimum() + 1)));
            else if (auto *cb = qobject_cast<QComboBox *>(c); cb && cb->count() > 0)
                cb->setCurrentIndex(pick(cb->count()));
            break;
        default:
            mouse(c, QEvent::MouseMove, somewhere(c), Qt::NoButton, Qt::NoButton, m);
        }
    }

    std::mt19937 rng;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        auto *t = new QTimer(this);
        connect(t, &QTimer::timeout, this, &dismissModals);
        t->start(30);
    }

    void randomInputNeverBreaksAWindow() {
        const quint32 seed = envNumber("LUMIVISTA_MONKEY_SEED", 20261208);
        const int events = int(envNumber("LUMIVISTA_MONKEY_EVENTS", 20000));
        qInfo("seed %u, %d events (replay: LUMIVISTA_MONKEY_SEED=%u)", seed, events, seed);
        // LUMIVISTA_MONKEY_SKIP=TForm14,TForm16 leaves windows out when
        // narrowing a failure down.
        const QStringList skip = qEnvironmentVariable("LUMIVISTA_MONKEY_SKIP").split(u',');
        QList<TDemoForm *> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<TDemoForm *>(w);
                d && !skip.contains(QString::fromLatin1(d->metaObject()->className())))
                windows.append(d);
        QCOMPARE(windows.size() + (skip.size() > 1 || !skip[0].isEmpty() ? skip.size() : 0), 17);
        Monkey monkey(seed);
        monkey.trace = qEnvironmentVariableIsSet("LUMIVISTA_MONKEY_TRACE");
        QElapsedTimer clock;
        qint64 worst = 0;
        int worstAt = -1;
        for (int i = 0; i < events; ++i) {
            clock.start();
            monkey.act(windows);
            QApplication::processEvents();
            const qint64 took = clock.elapsed();
            if (took > worst) {
                worst = took;
                worstAt = i;
            }
        }
        qInfo("worst event-loop stall: %lld ms at event %d", worst, worstAt);
        for (TDemoForm *w : windows)
            w->HideNow();
        pumpFor(50);
    }

    void cleanupTestCase() { pinGlDriver(); }
};

QTEST_MAIN(TestMonkey)
#include "tst_gl_monkey.moc"
