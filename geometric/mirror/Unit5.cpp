#include "geometric/mirror/Unit5.h"
#include "geometric/mirror/MirrorPicture.h"
#include "widgets/Controls.h"
#include "widgets/KeyboardDrag.h"

#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Overlay.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TForm5 *Form5 = nullptr;

namespace {

// The cursor on the screen, taken from the event's own position in the
// picture at delivery: the picture only moves in response to the event.
QPoint screenPos(const QWidget *w, const QMouseEvent *e) {
    return w->mapToGlobal(e->position()).toPoint();
}

planemirror::Box boxOf(const QWidget *w) {
    return {w->x(), w->y(), w->width(), w->height()};
}

// Moves a picture to `left, top` after the clamp; the clamp works on the
// numbers so the picture moves once.
void clampPicture(QWidget *w, int W, int H, int limitWidth, int limitHeight) {
    int left = w->x(), top = w->y();
    planemirror::keepInside(W, H, limitWidth, limitHeight, left, top);
    if (left != w->x() || top != w->y()) w->move(left, top);
}

} // namespace

TSprite::TSprite(QWidget *parent, const QString &resource) : QWidget(parent), Picture(resource) {
    resize(Picture.size());
    setCursor(Qt::PointingHandCursor);
}

void TSprite::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.drawImage(0, 0, Picture);
}

void TSprite::mousePressEvent(QMouseEvent *event) {
    emit mouseDown(screenPos(this, event));
}
void TSprite::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMove(screenPos(this, event));
}
void TSprite::mouseReleaseEvent(QMouseEvent *event) {
    emit mouseUp(screenPos(this, event));
}

TForm5::TForm5(QWidget *parent)
    : TDemoForm(frame(tr("Отражение света. Построение изображения в зеркале."), 552, 370), parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    attachOverlay(Image1);
    Readout = std::make_shared<TMirrorPicture>(this);
    attachOverlay(Image1)->setProvider(Readout.get());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The image first, so that the two handles stay on top of it.
    Image4 = addControl(new TSprite(Panel1, QStringLiteral(":/mirror/lamp_image.png")), "Image4");
    Image4->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image4->setCursor(Qt::ArrowCursor);
    Image2 = addControl(new TSprite(Panel1, QStringLiteral(":/mirror/lamp.png")), "Image2");
    Image2->move(416, 40);
    Image3 = addControl(new TSprite(Panel1, QStringLiteral(":/mirror/eye.png")), "Image3");
    Image3->move(424, 264);
    connect(Image2, &TSprite::mouseDown, this, &TForm5::Image2MouseDown);
    connect(Image2, &TSprite::mouseMove, this, &TForm5::Image2MouseMove);
    connect(Image2, &TSprite::mouseUp, this, [this] { Image2MouseUp(); });
    connect(Image3, &TSprite::mouseDown, this, &TForm5::Image3MouseDown);
    connect(Image3, &TSprite::mouseMove, this, &TForm5::Image3MouseMove);
    connect(Image3, &TSprite::mouseUp, this, [this] { Image3MouseUp(); });
    keys = new TKeyboardDrag(
        Image1, {TKeyboardDrag::Object::of(Image2), TKeyboardDrag::Object::of(Image3)});
    // The surface calls this on every size change of Panel1 and at set-up.
    surface->redraw = [this] { Panel1Resize(); };
    FormCreate();
    describePicture(Image1, tr("Предмет, плоское зеркало и его изображение с лучами к "
                               "глазу; предмет и глаз перетаскиваются мышью."));
}

void TForm5::FormCreate() {
    LampDragging = false;
    EyeDragging = false;
    surface->background = Qt::black;
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, surface->background);
    Panel1->setPalette(pal);
    Panel1->setAutoFillBackground(true);
    surface->setUp();
}

MirrorParams TForm5::readParams() const {
    MirrorParams p;
    p.width = Image1->width();
    p.height = Image1->height();
    p.fillWidth = Panel1->width();
    p.fillHeight = Panel1->height();
    p.lamp = boxOf(Image2);
    p.eye = boxOf(Image3);
    return p;
}

void TForm5::DrawScene() {
    Canvas canvas(Image1->Bitmap);
    canvas.setBrushColor(surface->background);
    const QPoint image = drawMirrorScene(canvas, readParams());
    Image4->move(image);
    Image1->update();
}

void TForm5::KeepLampInside() {
    clampPicture(Image2, Image1->width(), Image1->height(), planemirror::kLampWidth,
                 planemirror::kLampHeight);
}

void TForm5::KeepEyeInside() {
    clampPicture(Image3, Image1->width(), Image1->height(), planemirror::kEyeWidth,
                 planemirror::kEyeHeight);
}

void TForm5::Panel1Resize() {
    Image1->setBitmapSize(Panel1->width(), Panel1->height());
    KeepLampInside();
    KeepEyeInside();
    DrawScene();
}

void TForm5::Image2MouseDown(QPoint screen) {
    LampDX = Image2->x() - screen.x();
    LampDY = Image2->y() - screen.y();
    LampDragging = true;
}

void TForm5::Image2MouseMove(QPoint screen) {
    if (!LampDragging) return;
    Image2->move(screen.x() + LampDX, screen.y() + LampDY);
    KeepLampInside();
    DrawScene();
}

void TForm5::Image2MouseUp() {
    LampDragging = false;
}

void TForm5::Image3MouseDown(QPoint screen) {
    EyeDX = Image3->x() - screen.x();
    EyeDY = Image3->y() - screen.y();
    EyeDragging = true;
}

void TForm5::Image3MouseMove(QPoint screen) {
    if (!EyeDragging) return;
    Image3->move(screen.x() + EyeDX, screen.y() + EyeDY);
    KeepEyeInside();
    DrawScene();
}

void TForm5::Image3MouseUp() {
    EyeDragging = false;
}
