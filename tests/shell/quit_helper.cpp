// Starts the program, sets one demonstration going and closes the launcher
// a moment later, the way a teacher ends the lesson. Prints how long the
// program took from the close to the end of its last window, in ms.
//   quit_helper interference [delay_ms]   the largest interference run
//   quit_helper newton [delay_ms]         the largest Newton's rings picture
//   quit_helper <class> [delay_ms] [how]  that window shown (its animation);
//     how "esc": hidden at once again, "cycled": closed and shown 10 times
#include "GlDriver.h"
#include "TestForms.h"
#include "shell/Startup.h"
#include "shell/Unit1.h"
#include "waves/interference/SourcePanel.h"
#include "waves/interference/Unit12.h"
#include "waves/newton/Unit7.h"
#include "widgets/DemoForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

// "Ymax" 107374.1823 m at a step of 1e-4 m, 200 sources: the largest run the
// window accepts, minutes of work on both cores.
bool startLargestInterference() {
    Form12->Show();
    Form12->Edit2->setText(QStringLiteral("107374.1823"));
    Form12->Edit3->setText(QStringLiteral("0.0001"));
    Form12->SourcePanel1->Sources.add(-100, 99, 255);
    Form12->Button1Click();
    return Form12->isBusy();
}

// Shows a window the way a user may have left it before the lesson ends.
void showWindow(TDemoForm *w, const char *how) {
    if (std::strcmp(how, "cycled") == 0)
        for (int i = 0; i < 10; ++i) {
            w->Show();
            pumpFor(60);
            w->FormClose();
            w->HideNow();
            w->FormCloseAfter();
        }
    w->Show();
    if (std::strcmp(how, "esc") == 0) {
        pumpFor(60);
        w->HideNow();
    }
}

// a = 0.105 m at a step of 0.000035 m: 2999 rings, a picture of 5998 x 5998.
bool startLargestNewton() {
    Form7->Show();
    Form7->Edit2->setText(QStringLiteral("0.105"));
    Form7->Edit3->setText(QStringLiteral("0.000035"));
    Form7->Button1Click();
    return Form7->isBusy();
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const int delay = argc > 2 ? std::atoi(argv[2]) : 200;
    createAllForms();
    Form1->show();
    if (std::strcmp(argv[1], "interference") == 0) {
        if (!startLargestInterference()) return 5;
    } else if (std::strcmp(argv[1], "newton") == 0) {
        if (!startLargestNewton()) return 5;
    } else if (auto *w = qobject_cast<TDemoForm *>(windowOfClass(argv[1]))) {
        showWindow(w, argc > 3 ? argv[3] : "");
    } else {
        return 6;
    }
    // Counted from when the close is due, so a busy user-interface thread
    // that delays it counts too.
    QElapsedTimer sinceClose;
    sinceClose.start();
    QTimer::singleShot(delay, [] { Form1->close(); });
    const int code = QApplication::exec();
    destroyAllForms();
    pinGlDriver(); // the leak checker can then name the driver's own allocations
    std::printf("quit after %lld ms\n", static_cast<long long>(sinceClose.elapsed() - delay));
    return code;
}
