#include "shell/Startup.h"

#include "canvas/Colours.h"
#include "shell/Language.h"
#include "shell/Registry.h"
#include "shell/Scale.h"
#include "shell/Unit1.h"
#include "widgets/Accessible.h"
#include "widgets/Surface.h"

#include <QApplication>
#include <QLocale>
#include <QPalette>
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

void createAllForms() {
    prepareApplication();
    for (const WindowEntry &w : windowRegistry())
        w.create();
    for (const WindowEntry &w : windowRegistry()) {
        nameControls(w.window());
        showPicturesSharp(w.window());
    }
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
        createAllForms();
        Form1->show();
        const int code = QApplication::exec();
        destroyAllForms();
        return code;
    } catch (...) {
        // An exception escaping start-up ends the program quietly.
        return 0;
    }
}
