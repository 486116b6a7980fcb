// The pacing thread against a stand-in for the UI thread.
#include "polarisation/anisotropic/WavePacer.h"

#include <QElapsedTimer>
#include <QTest>
#include <atomic>
#include <mutex>
#include <vector>

namespace {
// Collects the requests; the test thread plays the UI thread.
struct FakeUi {
    std::mutex m;
    std::vector<std::uint64_t> pending;
    std::atomic<int> outstandingMax{0};
    void post(std::uint64_t t) {
        std::lock_guard lock(m);
        pending.push_back(t);
        outstandingMax = std::max<int>(outstandingMax, int(pending.size()));
    }
    int serve(WavePacer &p) {
        std::vector<std::uint64_t> now;
        {
            std::lock_guard lock(m);
            now.swap(pending);
        }
        for (auto t : now)
            p.stepDone(t);
        return int(now.size());
    }
};

// Serves the steps that come within ms; with untilAStep, stops at the first.
// The worker runs at idle priority, so on a busy machine a step can take
// long; a QTRY on serveFor would serve (and so lose) steps in the
// evaluations it repeats.
int serveFor(FakeUi &ui, WavePacer &p, int ms, bool untilAStep = false) {
    QElapsedTimer t;
    t.start();
    int steps = 0;
    while (t.elapsed() < ms && !(untilAStep && steps > 0)) {
        steps += ui.serve(p);
        QTest::qSleep(1);
    }
    return steps;
}
} // namespace

class TestWavePacer : public QObject {
    Q_OBJECT
  private slots:
    void period_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("ms");
        QTest::newRow("paused") << 0 << 40;
        QTest::newRow("slowest") << 1 << 38;
        QTest::newRow("default") << 3 << 34;
        QTest::newRow("fastest") << 20 << 0;
    }
    void period() {
        QFETCH(int, position);
        QFETCH(int, ms);
        QCOMPARE(WavePacer::periodMs(position), ms);
    }

    // Steps come only while visible and not paused, one at a time.
    void stepsOnlyWhenVisibleAndRunning() {
        FakeUi ui;
        WavePacer p([&](std::uint64_t t) { ui.post(t); });
        p.setPosition(20);
        p.start();
        QCOMPARE(serveFor(ui, p, 200), 0); // hidden
        p.setVisible(true);
        QVERIFY(serveFor(ui, p, 10000, true) > 0);
        QCOMPARE(ui.outstandingMax.load(), 1); // the worker waits for each step
        p.setPosition(0);
        serveFor(ui, p, 100);
        const auto paused = p.requestsSent();
        QCOMPARE(serveFor(ui, p, 200), 0);
        QCOMPARE(p.requestsSent(), paused);
        p.setPosition(10);
        QVERIFY(serveFor(ui, p, 10000, true) > 0);
        p.setPaused(true); // the overlay's pause
        serveFor(ui, p, 100);
        QCOMPARE(serveFor(ui, p, 200), 0);
        p.setPaused(false);
        QVERIFY(serveFor(ui, p, 10000, true) > 0);
        p.setVisible(false);
        serveFor(ui, p, 100);
        QCOMPARE(serveFor(ui, p, 300), 0);
        p.stop();
    }

    // The pace at position 15 is about 10 ms a step: far fewer steps than
    // at full speed, yet some.
    void pacedByPosition() {
        FakeUi ui;
        WavePacer p([&](std::uint64_t t) { ui.post(t); });
        p.setPosition(15);
        p.setVisible(true);
        p.start();
        const int steps = serveFor(ui, p, 500);
        QVERIFY2(steps <= 51, qPrintable(QString::number(steps)));
        p.stop();
    }

    // Stopping while a request waits unanswered (the UI thread is the one
    // stopping) returns at once: no deadlock, no forced kill.
    void stopWhileRequestPending() {
        for (int i = 0; i < 100; ++i) {
            FakeUi ui;
            WavePacer p([&](std::uint64_t t) { ui.post(t); });
            p.setPosition(20);
            p.setVisible(true);
            p.start();
            if (i % 2) QTRY_VERIFY_WITH_TIMEOUT(p.requestsSent() > 0, 5000);
            QElapsedTimer t;
            t.start();
            p.stop();
            QVERIFY(!p.running());
            QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
            p.stop(); // again: harmless
        }
    }

    void stopWhileWaiting_data() {
        QTest::addColumn<bool>("paused"); // else hidden
        QTest::newRow("hidden") << false;
        QTest::newRow("paused") << true;
    }
    void stopWhileWaiting() {
        QFETCH(bool, paused);
        FakeUi ui;
        WavePacer p([&](std::uint64_t t) { ui.post(t); });
        p.setVisible(paused);
        p.setPaused(paused);
        p.start();
        QTest::qSleep(20);
        QElapsedTimer t;
        t.start();
        p.stop();
        QVERIFY(t.elapsed() < WavePacer::kHiddenSleepMs);
    }
};

QTEST_MAIN(TestWavePacer)
#include "tst_wave_pacer.moc"
