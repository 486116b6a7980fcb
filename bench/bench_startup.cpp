// Start-up time and idle memory of the program against a bare Qt window, in
// one run: fresh processes of each kind alternate (bare, program, the former
// order, bare, ...). For each: the whole process from its start to the shown
// launcher and to the end of start-up (timed by this parent), the time inside
// main, and the peak resident size once the window has been shown and the
// event loop has been idle for a while.
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

enum class Mode { Bare, Program, AllFirst };

const QElapsedTimer *startClock = nullptr;
void printElapsed() {
    std::printf("%.3f\n", startClock->nsecsElapsed() / 1e6);
    std::fflush(stdout);
}

// Prints the time to the shown window at once, then the time to the end of
// start-up (every window created), then, after half a second of idle event
// loop, the peak and current resident sizes. AllFirst is the former order:
// every window created before the launcher is shown.
int child(int argc, char **argv, const QElapsedTimer &clock, Mode mode) {
    startClock = &clock;
    QApplication app(argc, argv);
    QWidget plain;
    if (mode == Mode::Program) {
        startWindows(printElapsed);
    } else {
        QWidget *shown = &plain;
        if (mode == Mode::Bare) {
            plain.setFixedSize(329, 573); // the launcher's size
        } else {
            createAllForms();
            shown = Form1;
        }
        shown->show();
        waitUntilPainted(shown);
        printElapsed();
    }
    printElapsed();
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 500) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    std::printf("%ld %ld\n", statusKiB("VmHWM:"), statusKiB("VmRSS:"));
    std::fflush(stdout);
    if (mode != Mode::Bare) destroyAllForms();
    return 0;
}

struct Run {
    double whole = 0, ready = 0, inside = 0, peakMiB = 0, rssMiB = 0;
};

bool readLine(QProcess &p, QByteArray &line) {
    while (!p.canReadLine())
        if (!p.waitForReadyRead(30000)) return false;
    line = p.readLine().trimmed();
    return true;
}

bool measure(const char *self, const char *mode, Run &run) {
    QProcess p;
    QElapsedTimer wall;
    wall.start();
    p.start(QString::fromLocal8Bit(self), {QString::fromLatin1(mode)});
    if (!p.waitForStarted(30000)) return false;
    QByteArray line;
    if (!readLine(p, line)) return false;
    run.whole = wall.nsecsElapsed() / 1e6;
    run.inside = line.toDouble();
    if (!readLine(p, line)) return false;
    run.ready = wall.nsecsElapsed() / 1e6;
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

struct Series {
    std::vector<double> whole, ready, inside, peak, rss, ratio, readyRatio, extra;
    void add(const Run &r, const Run &bare) {
        whole.push_back(r.whole);
        ready.push_back(r.ready);
        inside.push_back(r.inside);
        peak.push_back(r.peakMiB);
        rss.push_back(r.rssMiB);
        ratio.push_back(r.whole / bare.whole);
        readyRatio.push_back(r.ready / bare.whole);
        extra.push_back(r.peakMiB - bare.peakMiB);
    }
    void print(const char *name) const {
        std::printf("  %s: to the shown launcher %.1f ms (%.2fx bare), main to it %.1f ms; "
                    "start-up done %.1f ms (%.2fx); idle peak RSS %.1f MiB (bare + %.1f), "
                    "RSS %.1f MiB\n",
                    name, median(whole), median(ratio), median(inside), median(ready),
                    median(readyRatio), median(peak), median(extra), median(rss));
    }
};

} // namespace

int main(int argc, char **argv) {
    QElapsedTimer clock;
    clock.start();
    const char *modes[] = {"--bare", "--child", "--all-first"};
    for (Mode m : {Mode::Bare, Mode::Program, Mode::AllFirst})
        if (argc > 1 && std::strcmp(argv[1], modes[int(m)]) == 0)
            return child(argc, argv, clock, m);
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const QByteArray loadBefore = loadAverage();
    Series bare, program, allFirst;
    for (int i = 0; i < rounds; ++i) {
        Run b, p, a;
        if (!measure(argv[0], modes[0], b) || !measure(argv[0], modes[1], p) ||
            !measure(argv[0], modes[2], a))
            return 1;
        std::printf("round %2d: to the window: bare %.1f ms, program %.1f ms (done %.1f), "
                    "all windows first %.1f ms; peak RSS bare %.1f, program %.1f MiB\n",
                    i + 1, b.whole, p.whole, p.ready, a.whole, b.peakMiB, p.peakMiB);
        bare.add(b, b);
        program.add(p, b);
        allFirst.add(a, b);
    }
    std::printf(
        "medians of %d rounds (platform %s), load average %s before, %s after:\n", rounds,
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default")).toUtf8().constData(),
        loadBefore.constData(), loadAverage().constData());
    bare.print("bare window");
    program.print("program");
    allFirst.print("program, every window created before the launcher is shown");
    return 0;
}
