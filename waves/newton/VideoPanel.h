#pragma once
// Plays a clip on a panel: frames come through a video sink and are painted
// scaled into the panel, so the picture can be grabbed and the frames
// counted. When the clip cannot be played the panel shows a short note
// instead, once, without error boxes.
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

class QLabel;
class QMediaPlayer;
class QVideoFrame;
class QVideoSink;

class TVideoPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TVideoPanel(QWidget *parent = nullptr);
    ~TVideoPanel() override;

    // Opens the clip; a missing file shows the note and opens nothing.
    bool open(const QString &path);
    bool failed() const { return broken; }
    QMediaPlayer *player() const { return mediaPlayer; }
    QVideoSink *sink() const { return videoSink; }
    QLabel *note() const { return noteLabel; }

  signals:
    // The clip reached its end (the player is stopped there).
    void ended();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void fail();
    void takeFrame(const QVideoFrame &frame);
    QMediaPlayer *mediaPlayer = nullptr;
    QVideoSink *videoSink = nullptr;
    QLabel *noteLabel;
    QImage lastFrame;
    bool broken = false;
    QElapsedTimer sinceStart; // since the clip last started at its beginning
};
