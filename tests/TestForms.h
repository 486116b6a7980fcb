#pragma once
// Shared by the widget tests: all windows created once per test program,
// the way start-up creates them.
#include "app/Startup.h"

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
