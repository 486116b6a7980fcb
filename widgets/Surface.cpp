#include "widgets/Surface.h"

#include "widgets/Align.h"
#include "widgets/DemoForm.h"

#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <cmath>

bool showsSharpPixels(const QWidget *w) {
    const qreal dpr = w->devicePixelRatioF();
    return dpr == std::floor(dpr);
}

namespace {

// Paints a picture label in place of QLabel at whole scales above 100 %.
class SharpLabelPainter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        // Only paint events, and only of a label: a widget being destroyed
        // is no label any more.
        if (event->type() != QEvent::Paint) return false;
        auto *l = qobject_cast<QLabel *>(watched);
        if (!l || l->devicePixelRatioF() == 1 || !showsSharpPixels(l) ||
            l->frameShape() != QFrame::NoFrame)
            return false;
        const QPixmap picture = l->movie() ? l->movie()->currentPixmap() : l->pixmap();
        if (picture.isNull()) return false;
        const QRect room = l->contentsRect();
        const QRect target =
            l->hasScaledContents()
                ? room
                : QStyle::alignedRect(l->layoutDirection(), l->alignment(),
                                      picture.deviceIndependentSize().toSize(), room);
        QPainter p(l);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawPixmap(target, picture);
        return true;
    }
};

} // namespace

void showPicturesSharp(QWidget *window) {
    auto *painter = new SharpLabelPainter(window);
    for (QLabel *l : window->findChildren<QLabel *>())
        l->installEventFilter(painter);
}

TPanel::TPanel(QWidget *parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
}

void TPanel::resizeEvent(QResizeEvent *event) {
    QFrame::resizeEvent(event);
    emit resized();
}

TImage::TImage(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TImage::setBitmapSize(int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (Bitmap.width() == w && Bitmap.height() == h) return;
    QImage fresh(w, h, QImage::Format_RGB32);
    fresh.fill(Qt::white);
    if (!Bitmap.isNull() && !fresh.isNull()) {
        QPainter p(&fresh);
        p.drawImage(0, 0, Bitmap);
    }
    Bitmap = fresh;
}

void TImage::makeBlank(QSize size, const QColor &colour) {
    if (!Bitmap.isNull()) return;
    Bitmap = QImage(size, QImage::Format_RGB32);
    Bitmap.fill(colour);
}

void TImage::paintEvent(QPaintEvent *event) {
    QPainter p(this);
    // Only what an opaque bitmap leaves uncovered gets the background.
    QRegion bare(event->rect());
    if (!Bitmap.isNull() && !Bitmap.hasAlphaChannel()) bare -= Stretch ? rect() : Bitmap.rect();
    for (const QRect &r : bare)
        p.fillRect(r, palette().window());
    if (Bitmap.isNull()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform, !showsSharpPixels(this));
    if (Stretch)
        p.drawImage(rect(), Bitmap);
    else
        p.drawImage(0, 0, Bitmap);
}

void TImage::mousePressEvent(QMouseEvent *event) {
    emit mouseDown(event);
}
void TImage::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMove(event);
}
void TImage::mouseReleaseEvent(QMouseEvent *event) {
    emit mouseUp(event);
}
void TImage::mouseDoubleClickEvent(QMouseEvent *event) {
    emit doubleClicked(event);
}

RaySurface::RaySurface(QWidget *parent, SizeFrom from) : QObject(parent), sizeFrom(from) {
    Panel1 = new TPanel(parent);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Image1 = new TImage(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    setAlign(Panel1, Align::Client);
    setAlign(Image1, Align::Client);
    timer.setSingleShot(true);
    timer.setInterval(500);
    connect(&timer, &QTimer::timeout, this, [this] { redrawNow(); });
    connect(Panel1, &TPanel::resized, this, &RaySurface::onResize);
}

QSize RaySurface::drawingSize() const {
    return sizeFrom == SizeFrom::Image ? Image1->size() : Panel1->size();
}

void RaySurface::clear() {
    Image1->Bitmap.fill(background);
}

void RaySurface::setUp() {
    auto *form = qobject_cast<TDemoForm *>(Panel1->window());
    if (!form) return setUpNow();
    if (setUpPending) return;
    setUpPending = true;
    form->onFirstShow([this] {
        if (setUpPending) setUpNow();
    });
}

void RaySurface::setUpNow() {
    setUpPending = false;
    const QSize s = drawingSize();
    Image1->Bitmap = QImage(std::max(s.width(), 0), std::max(s.height(), 0), QImage::Format_RGB32);
    clear();
    redrawNow();
}

void RaySurface::redrawNow() {
    // A picture of no width or height has nothing to draw on.
    if (redraw && !Image1->Bitmap.isNull()) redraw();
    Image1->update();
}

void RaySurface::onResize() {
    // The first layout of a window being shown comes before its show event.
    if (setUpPending) return setUpNow();
    // Image1 already has its new size: Panel1's alignment filter sees the
    // resize before the panel itself does.
    const QSize s = drawingSize();
    Image1->setBitmapSize(s.width(), s.height());
    if (deferred) {
        timer.start(); // restarts a running timer
        return;
    }
    redrawNow();
}
