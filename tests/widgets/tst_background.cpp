// The background-computation helper: results arrive on the user-interface
// thread, progress is bounded, and a cancelled, replaced or orphaned run
// never delivers.
#include "widgets/BackgroundComputation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <new>
#include <vector>

namespace {

// Waits on the event loop until the helper goes idle or time runs out.
bool waitIdle(const TBackgroundComputation &c, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (c.isRunning() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return !c.isRunning();
}

// A job that counts to `units`, reporting each unit and checking for
// cancellation as it goes.
std::function<long(RunControl &)> counting(long units) {
    return [units](RunControl &control) {
        long done = 0;
        for (; done < units && !control.cancelled(); ++done)
            control.progress(done + 1, units);
        return done;
    };
}

// A job that runs until it is cancelled.
long untilCancelled(RunControl &control) {
    while (!control.cancelled())
        QThread::msleep(1);
    return -1;
}

} // namespace

class TestBackground : public QObject {
    Q_OBJECT
  private slots:
    void resultArrivesOnTheUiThreadAfterBoundedProgress_data() {
        QTest::addColumn<int>("steps");
        QTest::newRow("whole percent") << 0; // not set: 100
        QTest::newRow("tenths of a percent") << 1000;
    }
    void resultArrivesOnTheUiThreadAfterBoundedProgress() {
        QFETCH(int, steps);
        TBackgroundComputation c;
        if (steps > 0) c.setProgressSteps(steps);
        const int most = steps > 0 ? steps : 100;
        QSignalSpy progress(&c, &TBackgroundComputation::progressChanged);
        QSignalSpy running(&c, &TBackgroundComputation::runningChanged);
        long got = 0;
        QThread *deliveredOn = nullptr;
        c.start<long>(counting(1'000'000), [&](long &r) {
            got = r;
            deliveredOn = QThread::currentThread();
            QVERIFY(c.isRunning() == false);
        });
        QVERIFY(c.isRunning());
        QVERIFY(waitIdle(c));
        QCOMPARE(got, 1'000'000L);
        QCOMPARE(deliveredOn, QThread::currentThread());
        // A million reports from the job, at most one a step to the window,
        // rising to the last step.
        QVERIFY(progress.size() >= 1 && progress.size() <= most + 1);
        for (int i = 1; i < progress.size(); ++i)
            QVERIFY(progress[i][0].toInt() > progress[i - 1][0].toInt());
        QCOMPARE(progress.back()[0].toInt(), most);
        QCOMPARE(running.size(), 2);
        QCOMPARE(running[0][0].toBool(), true);
        QCOMPARE(running[1][0].toBool(), false);
    }

    void cancelDropsTheResult() {
        TBackgroundComputation c;
        bool delivered = false;
        c.start<long>(untilCancelled, [&](long &) { delivered = true; });
        QThread::msleep(20);
        c.cancel();
        QVERIFY(!c.isRunning());
        QTest::qWait(50);
        QVERIFY(!delivered);
        // The helper takes the next run as usual.
        long got = 0;
        c.start<long>(counting(10), [&](long &r) { got = r; });
        QVERIFY(waitIdle(c));
        QCOMPARE(got, 10L);
    }

    void newerStartReplacesTheRunningOne() {
        TBackgroundComputation c;
        std::vector<long> results;
        c.start<long>(untilCancelled, [&](long &r) { results.push_back(r); });
        c.start<long>(counting(5), [&](long &r) { results.push_back(r); });
        QVERIFY(waitIdle(c));
        QTest::qWait(20);
        QCOMPARE(results, std::vector<long>{5});
    }

    void destructionMidRunStopsTheWorkerAndDeliversNothing() {
        bool delivered = false;
        QElapsedTimer t;
        {
            TBackgroundComputation c;
            c.start<long>(untilCancelled, [&](long &) { delivered = true; });
            QThread::msleep(20);
            t.start();
        }
        QVERIFY(t.elapsed() < 1000);
        QTest::qWait(20);
        QVERIFY(!delivered);
    }

    void failureIsReportedNotDelivered() {
        TBackgroundComputation c;
        QSignalSpy failed(&c, &TBackgroundComputation::failed);
        bool delivered = false;
        c.start<long>([](RunControl &) -> long { throw std::bad_alloc(); },
                      [&](long &) { delivered = true; });
        QVERIFY(waitIdle(c));
        QCOMPARE(failed.size(), 1);
        QVERIFY(!delivered);
    }

    void runControlPassesOnlyChanges_data() {
        QTest::addColumn<int>("steps");
        QTest::newRow("whole percent") << 100;
        QTest::newRow("tenths of a percent") << 1000;
    }
    void runControlPassesOnlyChanges() {
        QFETCH(int, steps);
        std::vector<int> seen;
        RunControl rc([&](int p) { seen.push_back(p); }, steps);
        rc.progress(0, 0); // no total: nothing to say
        for (int i = 0; i <= 1000; ++i)
            rc.progress(i, 1000);
        rc.percent(250); // clamped to 100, already said
        rc.percent(-3);
        QCOMPARE(int(seen.size()), steps + 2);
        QCOMPARE(seen.front(), 0);
        QCOMPARE(seen[steps], steps);
        QCOMPARE(seen.back(), 0);
        QVERIFY(!rc.cancelled());
        rc.cancel();
        QVERIFY(rc.cancelled() && rc.cancelFlag().load());
    }
};

QTEST_MAIN(TestBackground)
#include "tst_background.moc"
