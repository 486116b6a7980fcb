#include "geometric/focal/Unit6.h"

#include "geometric/focal/FocalLength.h"
#include "geometric/focal/FocalPicture.h"
#include "widgets/Accessible.h"
#include "widgets/KeyboardDrag.h"
#include "widgets/Overlay.h"

#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QtMath>

TForm6 *Form6 = nullptr;

namespace {
int pointerX(const QMouseEvent *e) {
    return qFloor(e->position().x());
}
} // namespace

TForm6::TForm6(QWidget *parent)
    : TDemoForm(frame(tr("Фокусное расстояние линзы."), 544, 375), parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    attachOverlay(Image1);
    Readout = std::make_shared<TFocalPicture>(this);
    attachOverlay(Image1)->setProvider(Readout.get());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    animation = new TTimerAnimation(Timer1, [this] { Timer1Timer(); });
    attachOverlay(Image1)->setAnimation(animation);
    connect(Image1, &TImage::doubleClicked, this, [this] { Image1DblClick(); });
    connect(Image1, &TImage::mouseDown, this,
            [this](QMouseEvent *e) { Image1MouseDown(pointerX(e)); });
    connect(Image1, &TImage::mouseMove, this,
            [this](QMouseEvent *e) { Image1MouseMove(pointerX(e)); });
    connect(Image1, &TImage::mouseUp, this, [this] { Image1MouseUp(); });
    surface->redraw = [this] { DrawScene(); };
    TKeyboardDrag::Object line;
    line.target = Image1;
    line.anchor = [this] { return QPoint(focalLineX(readParams()), Image1->height() / 2); };
    line.frame = [this] { return QRect(focalLineX(readParams()) - 3, 0, 7, Image1->height()); };
    keys = new TKeyboardDrag(Image1, {line});
    FormCreate();
    describePicture(Image1, tr("Линза и фронт света, сходящийся в фокусе; фокальную линию можно "
                               "перетащить мышью, двойной щелчок запускает свет заново."));
}

void TForm6::FormCreate() {
    surface->background = Qt::black;
    Dragging = false;
    F = 100;
    surface->setUp();
}

FocalParams TForm6::readParams() const {
    FocalParams p;
    p.F = F;
    p.P = P;
    p.T = T;
    p.panelWidth = Panel1->width();
    p.panelHeight = Panel1->height();
    p.imageWidth = Image1->width();
    p.imageHeight = Image1->height();
    return p;
}

void TForm6::DrawScene() {
    Canvas canvas(Image1->Bitmap);
    if (drawFocalScene(canvas, readParams())) Image1->update();
}

void TForm6::FormShow() {
    P = 0;
    animation->start();
    DrawScene();
}

void TForm6::Image1DblClick() {
    FormShow();
}

void TForm6::FormClose() {
    animation->stop();
}

void TForm6::Timer1Timer() {
    P = focal::advanceFront(P, Image1->width());
    DrawScene();
    P = focal::settleFront(P, Image1->width());
}

void TForm6::FormMouseWheel(int delta) {
    T = focal::wheelTilt(T, delta);
}

void TForm6::wheelEvent(QWheelEvent *event) {
    FormMouseWheel(event->angleDelta().y());
    event->accept();
}

void TForm6::Image1MouseDown(int X) {
    const FocalParams p = readParams();
    if (!onFocalLine(p, X)) return;
    Dragging = true;
    GrabOffset = X - focalLineX(p);
}

void TForm6::Image1MouseMove(int X) {
    if (Dragging) {
        F = focal::dragFocal(X - Image1->width() / 2 - GrabOffset);
        DrawScene();
    }
    Image1->setCursor(onFocalLine(readParams(), X) ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void TForm6::Image1MouseUp() {
    Dragging = false;
}
