// Ending the program while an OpenGL window exists, shown, hidden by Esc or
// after many showings: a clean end, with nothing reported by the sanitizers
// of a sanitized build.
#include <QCoreApplication>
#include <QProcess>
#include <QTest>

class TestGLQuit : public QObject {
    Q_OBJECT
  private slots:
    void quitIsClean_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("how");
        for (const char *cls : {"TForm14", "TForm16"})
            for (const char *how : {"shown", "esc", "cycled"})
                QTest::addRow("%s %s", cls, how)
                    << QString::fromLatin1(cls) << QString::fromLatin1(how);
    }
    void quitIsClean() {
        QFETCH(QString, cls);
        QFETCH(QString, how);
        const QString helper =
            QCoreApplication::applicationDirPath() + QStringLiteral("/quit_helper");
        for (int delay : {50, 400}) {
            QProcess p;
            p.start(helper, {cls, QString::number(delay), how});
            QVERIFY(p.waitForStarted());
            const bool ended = p.waitForFinished(60000);
            if (!ended) p.kill();
            QVERIFY(ended);
            const QByteArray err = p.readAllStandardError();
            QVERIFY2(!err.contains("runtime error") && !err.contains("Sanitizer"), err.constData());
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QCOMPARE(p.exitCode(), 0);
        }
    }
};

QTEST_MAIN(TestGLQuit)
#include "tst_gl_quit.moc"
