// Start-up time: from the start of main to a shown launcher with all eighteen
// windows created, measured over repeated runs of a fresh process each.
//   bench_startup [RUNS]        (run under xvfb-run for an X server, or offscreen)
#include "shell/Startup.h"
#include "shell/Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

int child(int argc, char **argv, const QElapsedTimer &clock) {
    QApplication app(argc, argv);
    createAllForms();
    Form1->show();
    while (!Form1->windowHandle() || !Form1->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
    std::printf("%.3f\n", clock.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QElapsedTimer clock;
    clock.start();
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) return child(argc, argv, clock);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        QElapsedTimer wall;
        wall.start();
        p.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--child")});
        if (!p.waitForFinished(30000)) return 1;
        const double inside = p.readAllStandardOutput().trimmed().toDouble();
        std::printf("run %2d: main to shown launcher %.1f ms, whole process %.1f ms\n", i + 1,
                    inside, wall.nsecsElapsed() / 1e6);
        ms.push_back(inside);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n", ms[ms.size() / 2],
                ms.front(), ms.back(), runs);
    return 0;
}
