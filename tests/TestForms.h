#pragma once
// Shared by the widget tests: all windows created once per test program,
// the way start-up creates them.
#include "shell/Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

inline void ensureForms() {
    static bool created = false;
    if (!created) {
        createAllForms();
        created = true;
    }
}

// Runs the event loop for a while (timers and fades need it).
inline void pumpFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

inline QWidget *windowOfClass(const char *name) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qstrcmp(w->metaObject()->className(), name) == 0) return w;
    return nullptr;
}

// Presses one of the launcher's buttons, as a user would.
inline void clickLauncherButton(const char *name) {
    QWidget *launcher = windowOfClass("TForm1");
    auto *b = launcher ? launcher->findChild<QAbstractButton *>(QLatin1String(name)) : nullptr;
    QVERIFY2(b, name);
    b->click();
}

// Modal dialogs (message boxes, colour choice) closed as they appear; a
// timer calls this while tests drive windows that may open them.
inline void dismissModals() {
    if (QWidget *m = QApplication::activeModalWidget()) m->close();
}
