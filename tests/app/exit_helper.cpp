// Starts the program's windows and presses the launcher's exit button;
// the launcher test checks that the process ends with code 0 after the fade.
#include "app/Startup.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    createAllForms();
    Form1->show();
    QTimer::singleShot(50, [] { Form1->SpeedButton3Click(); });
    QApplication::exec();
    return 3; // only reached if the exit button did not end the process
}
