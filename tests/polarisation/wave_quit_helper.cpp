// Shows the anisotropic-medium window with the animation at full speed and
// ends the program after the given number of ms: argv[1] = ms, argv[2] =
// "quit" (normal end, every window destroyed) or "exit" (the launcher's
// exit button, immediate end).
#include "polarisation/anisotropic/Unit11.h"
#include "shell/Startup.h"
#include "shell/Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const int ms = argc > 1 ? QByteArray(argv[1]).toInt() : 100;
    const bool viaExit = argc > 2 && QByteArray(argv[2]) == "exit";
    createAllForms();
    Form11->TrackBar1->setValue(20);
    Form11->PageControl1->setCurrentIndex(1);
    Form11->Show();
    // Ends the program once the animation has run for at least ms.
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (clock.elapsed() > 15000) std::_Exit(5); // the animation never ran
        if (clock.elapsed() < ms || Form11->pacer().requestsSent() == 0) return;
        poll.stop();
        if (viaExit)
            Form1->SpeedButton3Click();
        else
            QCoreApplication::exit(0); // quit() would ask the windows, which only hide
    });
    poll.start(5);
    const int code = QApplication::exec();
    destroyAllForms();
    return code;
}
