// Start-up time and idle memory of the program against a bare Qt window, in
// one run: fresh processes of each kind alternate (bare, program, bare, ...).
// For each: the whole process from its start to the shown launcher (timed by
// this parent), the time inside main, and the peak resident size once the
// window has been shown and the event loop has been idle for a while.
//   bench_startup [ROUNDS]   (under xvfb-run -a, or with QT_QPA_PLATFORM=offscreen)
#include "shell/Startup.h"
#include "shell/Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

long statusKiB(const char *key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ')[0].toLong();
    return 0;
}

void waitShown(QWidget *w) {
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
}

// Prints the time to the shown window at once, then, after half a second of
// idle event loop, the peak and current resident sizes.
int child(int argc, char **argv, const QElapsedTimer &clock, bool bare) {
    QApplication app(argc, argv);
    QWidget plain;
    QWidget *shown = &plain;
    if (bare) {
        plain.setFixedSize(329, 573); // the launcher's size
        plain.show();
    } else {
        createAllForms();
        Form1->show();
        shown = Form1;
    }
    waitShown(shown);
    std::printf("%.3f\n", clock.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 500) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    std::printf("%ld %ld\n", statusKiB("VmHWM:"), statusKiB("VmRSS:"));
    std::fflush(stdout);
    if (!bare) destroyAllForms();
    return 0;
}

struct Run {
    double whole = 0, inside = 0, peakMiB = 0, rssMiB = 0;
};

bool measure(const char *self, const char *mode, Run &run) {
    QProcess p;
    QElapsedTimer wall;
    wall.start();
    p.start(QString::fromLocal8Bit(self), {QString::fromLatin1(mode)});
    if (!p.waitForStarted(30000)) return false;
    while (!p.canReadLine())
        if (!p.waitForReadyRead(30000)) return false;
    run.whole = wall.nsecsElapsed() / 1e6;
    run.inside = p.readLine().trimmed().toDouble();
    if (!p.waitForFinished(30000)) return false;
    const QList<QByteArray> mem = p.readAllStandardOutput().trimmed().split(' ');
    if (mem.size() < 2) return false;
    run.peakMiB = mem[0].toDouble() / 1024;
    run.rssMiB = mem[1].toDouble() / 1024;
    return true;
}

// The first three fields of /proc/loadavg: the load the figures were taken under.
QByteArray loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly)) return "?";
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() < 3 ? QByteArray("?") : fields.mid(0, 3).join(' ');
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    QElapsedTimer clock;
    clock.start();
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) return child(argc, argv, clock, false);
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) return child(argc, argv, clock, true);
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const QByteArray loadBefore = loadAverage();
    std::vector<double> bareWhole, progWhole, ratio, bareInside, progInside, barePeak, progPeak,
        extra, progRss, bareRss;
    for (int i = 0; i < rounds; ++i) {
        Run bare, prog;
        if (!measure(argv[0], "--bare", bare) || !measure(argv[0], "--child", prog)) return 1;
        std::printf("round %2d: whole process to the window: bare %.1f ms, program %.1f ms; "
                    "peak RSS: bare %.1f MiB, program %.1f MiB\n",
                    i + 1, bare.whole, prog.whole, bare.peakMiB, prog.peakMiB);
        bareWhole.push_back(bare.whole);
        progWhole.push_back(prog.whole);
        ratio.push_back(prog.whole / bare.whole);
        bareInside.push_back(bare.inside);
        progInside.push_back(prog.inside);
        barePeak.push_back(bare.peakMiB);
        progPeak.push_back(prog.peakMiB);
        extra.push_back(prog.peakMiB - bare.peakMiB);
        bareRss.push_back(bare.rssMiB);
        progRss.push_back(prog.rssMiB);
    }
    std::printf(
        "medians of %d rounds (platform %s), load average %s before, %s after:\n", rounds,
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default")).toUtf8().constData(),
        loadBefore.constData(), loadAverage().constData());
    std::printf("  whole process to the shown window: bare %.1f ms, program %.1f ms, ratio %.2fx\n",
                median(bareWhole), median(progWhole), median(ratio));
    std::printf("  main to the shown window: bare %.1f ms, program %.1f ms\n", median(bareInside),
                median(progInside));
    std::printf("  idle peak RSS: bare %.1f MiB, program %.1f MiB, program - bare %.1f MiB\n",
                median(barePeak), median(progPeak), median(extra));
    std::printf("  idle RSS: bare %.1f MiB, program %.1f MiB\n", median(bareRss), median(progRss));
    return 0;
}
