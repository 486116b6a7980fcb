// Closing the launcher ends the program promptly whatever runs: the largest
// interference computation, or any window's animation. Each case is run many
// times at varied moments; a generous limit keeps a loaded machine from
// making it flaky, and the slowest quit is reported.
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class TestQuit : public QObject {
    Q_OBJECT
  private slots:
    void quitEndsTheProgram_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<long>("limitMs");
        for (const char *w : {"interference", "TForm6", "TForm15", "TForm11", "TForm51", "TForm7",
                              "TForm9", "TForm10"})
            QTest::newRow(w) << QString::fromLatin1(w) << 5000L;
        // Typically 0.35 s (most of it the clip's player stopping); the
        // margin is for a loaded machine.
        QTest::newRow("newton") << QStringLiteral("newton") << 1000L;
    }
    void quitEndsTheProgram() {
        QFETCH(QString, what);
        QFETCH(long, limitMs);
        const QString helper =
            QCoreApplication::applicationDirPath() + QStringLiteral("/quit_helper");
        long slowest = 0;
        for (int i = 0; i < 20; ++i) {
            QProcess p;
            const int delay = 30 + (i * 97) % 400;
            p.start(helper, {what, QString::number(delay)});
            QVERIFY(p.waitForStarted());
            // Start-up, the delay, then at most 5 s for the quit itself.
            const bool ended = p.waitForFinished(15000);
            if (!ended) p.kill();
            QVERIFY2(ended, qPrintable(QStringLiteral("still running, run %1").arg(i)));
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QCOMPARE(p.exitCode(), 0);
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("quit after (\\d+) ms"))
                    .match(QString::fromLatin1(p.readAllStandardOutput()));
            QVERIFY(m.hasMatch());
            slowest = std::max(slowest, m.captured(1).toLong());
        }
        qInfo("%s: slowest quit %ld ms", qPrintable(what), slowest);
        QVERIFY2(slowest < limitMs, qPrintable(QString::number(slowest)));
    }
};

QTEST_MAIN(TestQuit)
#include "tst_quit.moc"
