#include "waves/newton/VideoPanel.h"

#include <QFileInfo>
#include <QLabel>
#include <QMediaPlayer>
#include <QPainter>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

TVideoPanel::TVideoPanel(QWidget *parent) : QWidget(parent) {
    noteLabel = new QLabel(QStringLiteral("Видеозапись опыта недоступна"), this);
    noteLabel->setObjectName(QStringLiteral("VideoNote"));
    noteLabel->setAlignment(Qt::AlignCenter);
    noteLabel->setWordWrap(true);
    noteLabel->hide();
}

TVideoPanel::~TVideoPanel() {
    // The player reports its last state changes while it goes: not to us.
    if (mediaPlayer) {
        disconnect(mediaPlayer, nullptr, this, nullptr);
        disconnect(videoSink, nullptr, this, nullptr);
        delete mediaPlayer;
    }
}

bool TVideoPanel::open(const QString &path) {
    // A missing file makes the player report errors again and again: check first.
    if (!QFileInfo(path).isFile()) {
        fail();
        return false;
    }
    if (!mediaPlayer) {
        mediaPlayer = new QMediaPlayer(this);
        videoSink = new QVideoSink(this);
        mediaPlayer->setVideoSink(videoSink);
        connect(videoSink, &QVideoSink::videoFrameChanged, this, &TVideoPanel::takeFrame);
        connect(mediaPlayer, &QMediaPlayer::errorOccurred, this, [this] { fail(); });
        connect(mediaPlayer, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus s) {
                    if (s == QMediaPlayer::InvalidMedia) fail();
                    if (s == QMediaPlayer::EndOfMedia) emit ended();
                });
    }
    mediaPlayer->setSource(QUrl::fromLocalFile(path));
    return true;
}

void TVideoPanel::fail() {
    if (broken) return;
    broken = true;
    if (mediaPlayer) mediaPlayer->stop();
    lastFrame = QImage();
    noteLabel->setGeometry(rect());
    noteLabel->show();
    update();
}

void TVideoPanel::takeFrame(const QVideoFrame &frame) {
    if (broken || !frame.isValid()) return;
    lastFrame = frame.toImage();
    update();
}

void TVideoPanel::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    noteLabel->setGeometry(rect());
}

void TVideoPanel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (lastFrame.isNull()) return;
    const QSize fit = lastFrame.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fit.width()) / 2, (height() - fit.height()) / 2), fit);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, lastFrame);
}
