// Renders one window of the program to a PNG, optionally after a few
// scripted actions, for the README pictures and for review.
//
//   lumivista-snapshot CLASS OUT.png [ACTION ...]
// CLASS THelpWindow is the help window.
//   ACTION: set:NAME=TEXT   put TEXT into the control NAME (edit, spin edit, combo box),
//                           or choose the item TEXT of a list
//           click:NAME      click the button or check box NAME
//           check:NAME=0|1  set a check box
//           value:NAME=N    set a track bar, scroll bar or spin box
//           call:METHOD     invoke a public slot or invokable of the window
//           wait:MS         let the event loop run
//           size:WxH        resize the window's client area
//           page:NAME=N     switch a page control to page N
//           drag:NAME=X1,Y1,X2,Y2  left-button drag across the control NAME
//           theory:NAME     show the theory on the overlay of the picture NAME
//           probe:NAME=X,Y  the readout of the picture NAME at pixel X,Y
//           key:NAME=KEYS   give NAME the focus (as Tab does) and press KEYS
//                           there, e.g. key:SourcePanel1=Insert,Shift+Right
//   --lang en (anywhere after the program name) renders in English.
// A message box that comes up on the way is reported on stderr and closed,
// so that a script never waits for a click nobody will make.
#include "shell/Help.h"
#include "shell/Language.h"
#include "shell/Startup.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Overlay.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <string_view>

namespace {

QWidget *findWindow(const QString &cls) {
    if (cls == QLatin1String("THelpWindow")) return helpWindow();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (QString::fromLatin1(w->metaObject()->className()) == cls) return w;
    return nullptr;
}

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (t.elapsed() < ms);
}

bool setText(QWidget *c, const QString &text) {
    if (auto *s = qobject_cast<TCSpinEdit *>(c)) {
        s->setText(text);
        return true;
    }
    if (auto *e = qobject_cast<QLineEdit *>(c)) {
        e->setText(text);
        return true;
    }
    if (auto *s = qobject_cast<QAbstractSpinBox *>(c)) {
        if (QLineEdit *e = s->findChild<QLineEdit *>()) e->setText(text);
        s->interpretText();
        return true;
    }
    if (auto *l = qobject_cast<QListWidget *>(c)) {
        const QList<QListWidgetItem *> items = l->findItems(text, Qt::MatchExactly);
        if (!items.isEmpty()) l->setCurrentItem(items.first());
        return !items.isEmpty();
    }
    if (auto *b = qobject_cast<QComboBox *>(c)) {
        const int i = b->findText(text);
        if (i >= 0)
            b->setCurrentIndex(i);
        else if (b->isEditable())
            b->setEditText(text);
        return true;
    }
    return false;
}

bool setValue(QWidget *c, int v) {
    if (auto *s = qobject_cast<QAbstractSlider *>(c)) {
        s->setValue(v);
        return true;
    }
    if (auto *s = qobject_cast<QSpinBox *>(c)) {
        s->setValue(v);
        return true;
    }
    if (auto *s = qobject_cast<TCSpinEdit *>(c)) {
        s->setValue(v);
        return true;
    }
    return false;
}

// A left-button drag from (x1, y1) to (x2, y2) given as "X1,Y1,X2,Y2".
bool drag(QWidget *c, const QString &value) {
    const QStringList v = value.split(QLatin1Char(','));
    if (v.size() != 4) return false;
    const QPointF a(v[0].toInt(), v[1].toInt()), b(v[2].toInt(), v[3].toInt());
    // Each event is made only after the one before it was delivered: the
    // pointing device keeps the last position, and an event made earlier
    // would carry a stale screen position.
    const auto send = [c](QEvent::Type type, QPointF at, Qt::MouseButton button,
                          Qt::MouseButtons held) {
        QMouseEvent e(type, at, c->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(c, &e);
    };
    send(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton);
    return true;
}

// Keys as QKeySequence writes them, separated by commas, pressed one by one.
bool pressKeys(QWidget *c, const QString &keys) {
    c->activateWindow();
    c->setFocus(Qt::TabFocusReason);
    for (const QString &k : keys.split(QLatin1Char(','))) {
        const QKeySequence seq(k);
        if (seq.isEmpty()) return false;
        const QKeyCombination combo = seq[0];
        QKeyEvent press(QEvent::KeyPress, combo.key(), combo.keyboardModifiers());
        QKeyEvent release(QEvent::KeyRelease, combo.key(), combo.keyboardModifiers());
        QApplication::sendEvent(c, &press);
        QApplication::sendEvent(c, &release);
    }
    return true;
}

// The actions on one control: VERB:NAME=VALUE.
bool actOn(QWidget *c, const QString &verb, const QString &value) {
    if (verb == QLatin1String("set")) return setText(c, value);
    auto *button = qobject_cast<QAbstractButton *>(c);
    if (verb == QLatin1String("click") && button) {
        button->click();
        return true;
    }
    if (verb == QLatin1String("check") && button) {
        button->setChecked(value.toInt() != 0);
        return true;
    }
    if (verb == QLatin1String("value")) return setValue(c, value.toInt());
    if (verb == QLatin1String("drag")) return drag(c, value);
    if (TOverlay *o = TOverlay::of(c); o && verb == QLatin1String("theory")) {
        o->setTheoryShown(true);
        return o->theoryShown();
    }
    if (TOverlay *o = TOverlay::of(c); o && verb == QLatin1String("probe")) {
        const QStringList xy = value.split(QLatin1Char(','));
        o->setProbe(QPoint(xy.value(0).toInt(), xy.value(1).toInt()));
        return true;
    }
    if (verb == QLatin1String("key")) return pressKeys(c, value);
    if (auto *t = qobject_cast<QTabWidget *>(c); t && verb == QLatin1String("page")) {
        t->setCurrentIndex(value.toInt());
        return true;
    }
    return false;
}

bool act(QWidget *window, const QString &action) {
    const int colon = action.indexOf(QLatin1Char(':'));
    const QString verb = action.left(colon);
    const QString arg = action.mid(colon + 1);
    if (verb == QLatin1String("wait")) {
        pump(arg.toInt());
        return true;
    }
    if (verb == QLatin1String("size")) {
        const QStringList wh = arg.split(QLatin1Char('x'));
        window->resize(wh.value(0).toInt(), wh.value(1).toInt());
        pump(50);
        return true;
    }
    if (verb == QLatin1String("call"))
        return QMetaObject::invokeMethod(window, arg.toLatin1().constData());
    const int eq = arg.indexOf(QLatin1Char('='));
    const QString name = eq < 0 ? arg : arg.left(eq);
    const QString value = eq < 0 ? QString() : arg.mid(eq + 1);
    QWidget *c = window->findChild<QWidget *>(name);
    return c && actOn(c, verb, value);
}

void closeModalDialog() {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal) return;
    QString text = modal->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) text += QStringLiteral(": ") + box->text();
    std::fprintf(stderr, "dialog closed: %s\n", text.toLocal8Bit().constData());
    modal->close();
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: lumivista-snapshot CLASS OUT.png [ACTION ...]\n");
        return 2;
    }
    // The launcher changes the current directory; resolve the output first.
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    chooseLanguage(argc, argv);
    createAllForms();
    QTimer dialogs;
    QObject::connect(&dialogs, &QTimer::timeout, &closeModalDialog);
    dialogs.start(50);
    const QString cls = QString::fromLocal8Bit(argv[1]);
    QWidget *window = findWindow(cls);
    if (!window) {
        std::fprintf(stderr, "no window of class %s\n", argv[1]);
        return 2;
    }
    window->show();
    pump(100);
    for (int i = 3; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--lang") {
            ++i;
            continue;
        }
        if (!act(window, QString::fromLocal8Bit(argv[i]))) {
            std::fprintf(stderr, "action failed: %s\n", argv[i]);
            return 3;
        }
        pump(20);
    }
    pump(50);
    const bool saved = window->grab().save(out);
    destroyAllForms();
    return saved ? 0 : 4;
}
