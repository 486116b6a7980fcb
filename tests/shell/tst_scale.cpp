// The classroom scale from the command line: Qt keeps every window's
// logical (design) size and draws it with that many device pixels per pixel;
// a scale not offered starts at 100 % with a word on stderr. The launcher
// restarts the program at another scale.
#include "TestForms.h"
#include "shell/Unit1.h"

#include <QMenu>
#include <QProcess>
#include <QToolButton>

namespace {
QString started;
QStringList startedWith;
int exitCode = -1;
} // namespace

class TestScale : public QObject {
    Q_OBJECT
  private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("complains");
        QTest::newRow("none") << QStringList{} << 1.0 << false;
        QTest::newRow("200 %") << QStringList{"--scale", "2"} << 2.0 << false;
        QTest::newRow("150 %, one word") << QStringList{"--scale=1.5"} << 1.5 << false;
        QTest::newRow("125 %") << QStringList{"--scale", "1.25"} << 1.25 << false;
        QTest::newRow("back to 100 % over an inherited factor")
            << QStringList{"--scale", "1"} << 1.0 << false;
        QTest::newRow("not offered") << QStringList{"--scale", "3"} << 1.0 << true;
        QTest::newRow("not a number") << QStringList{"--scale", "большой"} << 1.0 << true;
        QTest::newRow("missing") << QStringList{"--scale"} << 1.0 << true;
        QTest::newRow("nan") << QStringList{"--scale", "nan"} << 1.0 << true;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(double, ratio);
        QFETCH(bool, complains);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2")); // inherited
        if (arguments.isEmpty()) env.remove(QStringLiteral("QT_SCALE_FACTOR"));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/scale_helper"),
                arguments);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(err.contains(QStringLiteral("запуск в 100 %")), complains);
        const QStringList lines = QString::fromUtf8(p.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 18);
        for (const QString &line : lines) {
            const QStringList f = line.split(QLatin1Char(' '));
            QCOMPARE(f.size(), 6);
            QVERIFY2(qFuzzyCompare(f[1].toDouble(), ratio), qPrintable(line));
            // Device pixels: the design size times the ratio, rounded up.
            QVERIFY2(qAbs(f[4].toInt() - f[2].toInt() * ratio) < 1, qPrintable(line));
            QVERIFY2(qAbs(f[5].toInt() - f[3].toInt() * ratio) < 1, qPrintable(line));
        }
    }

    void launcherRestartsAtAnotherScale() {
        ensureForms();
        TForm1::startProgram = [](const QString &program, const QStringList &args) {
            started = program;
            startedWith = args;
            return true;
        };
        TForm1::exitProcess = [](int code) { exitCode = code; };
        const QList<QAction *> choices = Form1->ScaleButton->menu()->actions();
        QCOMPARE(choices.size(), 4);
        QVERIFY(choices[0]->isChecked()); // 100 %, this run's scale
        choices[0]->trigger();
        QVERIFY(started.isEmpty());
        choices[3]->trigger();
        QCOMPARE(started, QCoreApplication::applicationFilePath());
        QCOMPARE(startedWith, (QStringList{"--scale", "2"}));
        pumpFor(700);
        QCOMPARE(exitCode, 0);
    }
};

QTEST_MAIN(TestScale)
#include "tst_scale.moc"
