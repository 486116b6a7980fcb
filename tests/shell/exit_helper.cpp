// Starts the program's windows and ends the program as a user would: with the
// launcher's exit button (the default) or, with "close", by closing the
// launcher, which must end the message loop and destroy every window. With
// "start" it starts as the program does and exits with 5 unless the launcher
// was on the screen before any other window existed, and 6 unless every
// window existed, hidden, once start-up was done.
#include "shell/Registry.h"
#include "shell/Startup.h"
#include "shell/Unit1.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <cstring>

namespace {

bool launcherFirst = false;

// Whether the windows after the launcher exist, all of them or none.
bool othersExist(bool all) {
    for (const WindowEntry &w : windowRegistry().subspan(1))
        if ((w.window() != nullptr) != all || (all && w.window()->isVisible())) return false;
    return true;
}

int startAsTheProgram() {
    startWindows([] {
        launcherFirst =
            Form1->isVisible() && Form1->windowHandle()->isExposed() && othersExist(false);
    });
    if (!launcherFirst) return 5;
    if (!othersExist(true)) return 6;
    destroyAllForms();
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "start") == 0) return startAsTheProgram();
    const bool closeLauncher = argc > 1 && std::strcmp(argv[1], "close") == 0;
    createAllForms();
    Form1->show();
    QTimer::singleShot(50, [closeLauncher] {
        if (closeLauncher)
            Form1->close();
        else
            Form1->SpeedButton3Click();
    });
    const int code = QApplication::exec();
    if (!closeLauncher) return 3; // the exit button should have ended the process already
    destroyAllForms();
    return code == 0 ? 0 : 4;
}
