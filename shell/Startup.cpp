#include "shell/Startup.h"

#include "canvas/Colours.h"
#include "shell/Language.h"
#include "shell/Registry.h"
#include "shell/Scale.h"
#include "shell/Unit1.h"
#include "widgets/Accessible.h"
#include "widgets/Surface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QPalette>
#include <QWindow>
#include <vector>

const char *const *formCreationOrder() {
    static const std::vector<const char *> names = [] {
        std::vector<const char *> n;
        for (const WindowEntry &w : windowRegistry())
            n.push_back(w.meta->className());
        return n;
    }();
    return names.data();
}
int formCount() {
    return int(windowRegistry().size());
}

namespace {

// One button face for the launcher, the demonstrations and the dialogs.
void setButtonFace() {
    QPalette pal = QApplication::palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole r : {QPalette::Window, QPalette::Button})
            pal.setColor(g, r, colours::clBtnFace);
    QApplication::setPalette(pal);
}

} // namespace

void prepareApplication() {
    setButtonFace();
    // Numbers are written and read with "." whatever the user's locale.
    QLocale::setDefault(QLocale::c());
    // No display name: Qt would append it to every title, and the captions
    // must stand alone.
    // The program's texts and Qt's own dialogs in the chosen language.
    installLanguage(programLanguage());
    QApplication::setApplicationName(QCoreApplication::translate("TForm1", "Демонстрации"));
}

namespace {

void createForm(const WindowEntry &w) {
    w.create();
    nameControls(w.window());
    showPicturesSharp(w.window());
}

} // namespace

void createAllForms() {
    prepareApplication();
    for (const WindowEntry &w : windowRegistry())
        createForm(w);
}

// At most two seconds, for a window manager that never maps it.
void waitUntilPainted(QWidget *w) {
    QElapsedTimer clock;
    clock.start();
    while ((!w->windowHandle() || !w->windowHandle()->isExposed()) && clock.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void startWindows(void (*launcherShown)()) {
    prepareApplication();
    const auto all = windowRegistry();
    createForm(all.front());
    Form1->show();
    waitUntilPainted(Form1);
    if (launcherShown) launcherShown();
    for (const WindowEntry &w : all.subspan(1))
        createForm(w);
}

void destroyAllForms() {
    const auto all = windowRegistry();
    for (auto w = all.rbegin(); w != all.rend(); ++w)
        w->destroy();
}

int runProgram(int argc, char **argv) {
    chooseScale(argc, argv);
    try {
        QApplication app(argc, argv);
        chooseLanguage(argc, argv);
        startWindows();
        const int code = QApplication::exec();
        destroyAllForms();
        return code;
    } catch (...) {
        // An exception escaping start-up ends the program quietly.
        return 0;
    }
}
