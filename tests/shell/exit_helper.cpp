// Starts the program's windows and ends the program as a user would: with the
// launcher's exit button (the default) or, with "close", by closing the
// launcher, which must end the message loop and destroy every window.
#include "shell/Startup.h"
#include "shell/Unit1.h"

#include <QApplication>
#include <QTimer>
#include <cstring>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
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
