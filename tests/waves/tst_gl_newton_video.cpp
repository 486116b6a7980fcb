// The clip of the Newton's rings window: it plays while the first page is
// shown and starts again at its end; a missing or broken clip leaves a note.
#include "TestForms.h"
#include "waves/newton/Unit7.h"
#include "waves/newton/VideoPanel.h"
#include "widgets/DataFiles.h"

#include <QLabel>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVideoSink>

namespace {
// Runs the event loop until the condition holds, ten seconds at most.
template <class F> void waitFor(F done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}
} // namespace

class TestNewtonVideo : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void unplayableClipLeavesANote_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not a video") << QByteArray(4096, 'x') << true;
        QFile clip(dataFilePath(QStringLiteral("newton.avi")));
        QVERIFY(clip.open(QIODevice::ReadOnly));
        QTest::newRow("cut short") << clip.read(20 * 1024) << true;
    }
    void unplayableClipLeavesANote() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, create);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("newton.avi"));
        if (create) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        QWidget host;
        host.resize(260, 230);
        auto *panel = new TVideoPanel(&host);
        panel->resize(260, 230);
        host.show();
        panel->open(path);
        if (panel->player()) panel->player()->play();
        QElapsedTimer t;
        t.start();
        while (!panel->failed() && t.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        QVERIFY(panel->failed());
        QVERIFY(panel->note()->isVisible());
        QVERIFY(!panel->note()->text().isEmpty());
        pumpFor(300);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QMessageBox *>(w) || !w->isVisible());
    }

    void playsAndLoops() {
        Form7->PageControl1->setCurrentIndex(0);
        Form7->Show();
        pumpFor(100);
        QMediaPlayer *player = Form7->MediaPlayer1->player();
        QVERIFY(player);
        QVERIFY(!Form7->MediaPlayer1->failed());
        int frames = 0, ends = 0;
        connect(Form7->MediaPlayer1->sink(), &QVideoSink::videoFrameChanged, this,
                [&] { ++frames; });
        connect(Form7->MediaPlayer1, &TVideoPanel::ended, this, [&] { ++ends; });
        waitFor([&] { return frames > 5; });
        QVERIFY2(frames > 5, qPrintable(QString::number(frames)));
        // The clip lasts six seconds; after its end it plays again.
        QElapsedTimer t;
        t.start();
        while (ends == 0 && t.elapsed() < 20000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        QCOMPARE(ends, 1);
        const int atEnd = frames;
        waitFor([&] { return frames > atEnd + 5; });
        QVERIFY2(frames > atEnd + 5, qPrintable(QString::number(frames - atEnd)));
        QCOMPARE(player->playbackState(), QMediaPlayer::PlayingState);
        // Another page: the clip plays to its end and stays stopped there.
        Form7->PageControl1->setCurrentIndex(1);
        t.restart();
        while (ends == 1 && t.elapsed() < 20000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        pumpFor(500);
        QCOMPARE(player->playbackState(), QMediaPlayer::StoppedState);
        // Back on the first page it starts again.
        Form7->PageControl1->setCurrentIndex(0);
        waitFor([&] { return player->playbackState() == QMediaPlayer::PlayingState; });
        QCOMPARE(player->playbackState(), QMediaPlayer::PlayingState);
        // Hidden, the clip holds its place; shown again, it plays on.
        Form7->HideNow();
        const qint64 hiddenAt = player->position();
        pumpFor(1500);
        QVERIFY2(player->position() - hiddenAt < 100,
                 qPrintable(QString::number(player->position() - hiddenAt)));
        Form7->Show();
        waitFor([&] { return player->playbackState() == QMediaPlayer::PlayingState; });
        QCOMPARE(player->playbackState(), QMediaPlayer::PlayingState);
        Form7->close();
        pumpFor(700);
    }
};

QTEST_MAIN(TestNewtonVideo)
#include "tst_gl_newton_video.moc"
