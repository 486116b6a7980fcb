#include "waves/newton/VideoPanel.h"

#include <QFileInfo>
#include <QLabel>
#include <QMediaPlayer>
#include <QPainter>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <algorithm>

namespace {
// Our clip lasts six seconds; one that ends sooner than this is broken.
constexpr qint64 kShortestRunMs = 1000;
} // namespace

TVideoPanel::TVideoPanel(QWidget *parent) : QWidget(parent) {
    noteLabel = new QLabel(tr("Видеозапись опыта недоступна"), this);
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
                    if (s != QMediaPlayer::EndOfMedia) return;
                    // A clip that ends at once (cut short, say) would only
                    // restart again and again: it is as good as missing.
                    if (sinceStart.isValid() && sinceStart.elapsed() < kShortestRunMs)
                        fail();
                    else
                        emit ended();
                });
        connect(mediaPlayer, &QMediaPlayer::playbackStateChanged, this,
                [this](QMediaPlayer::PlaybackState s) {
                    if (s == QMediaPlayer::PlayingState && mediaPlayer->position() == 0)
                        sinceStart.start();
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

namespace {

// Full-range YCbCr (JPEG) to RGB, the colours of an MJPEG clip.
QRgb fromYCbCr(int y, int cb, int cr) {
    const double r = y + 1.402 * (cr - 128);
    const double g = y - 0.344136 * (cb - 128) - 0.714136 * (cr - 128);
    const double b = y + 1.772 * (cb - 128);
    auto c = [](double v) { return std::clamp(static_cast<int>(v + 0.5), 0, 255); };
    return qRgb(c(r), c(g), c(b));
}

// The planar and semi-planar 4:2:0 frames the decoder hands over, converted
// on the CPU: the toolkit's own conversion would set up a GPU context on
// this thread for a 256 x 224 picture.
QImage convert420(const QVideoFrame &f) {
    const bool planar = f.pixelFormat() == QVideoFrameFormat::Format_YUV420P;
    QImage out(f.width(), f.height(), QImage::Format_RGB32);
    for (int y = 0; y < f.height(); ++y) {
        const uchar *luma = f.bits(0) + y * f.bytesPerLine(0);
        const uchar *u = f.bits(1) + (y / 2) * f.bytesPerLine(1);
        const uchar *v = planar ? f.bits(2) + (y / 2) * f.bytesPerLine(2) : nullptr;
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < f.width(); ++x) {
            const int cb = planar ? u[x / 2] : u[(x / 2) * 2];
            const int cr = planar ? v[x / 2] : u[(x / 2) * 2 + 1];
            line[x] = fromYCbCr(luma[x], cb, cr);
        }
    }
    return out;
}

} // namespace

void TVideoPanel::takeFrame(const QVideoFrame &frame) {
    if (broken || !frame.isValid()) return;
    QVideoFrame f = frame;
    const auto format = f.pixelFormat();
    if ((format == QVideoFrameFormat::Format_YUV420P || format == QVideoFrameFormat::Format_NV12) &&
        f.map(QVideoFrame::ReadOnly)) {
        lastFrame = convert420(f);
        f.unmap();
    } else {
        lastFrame = f.toImage();
    }
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
