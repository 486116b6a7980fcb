#include "geometric/refraction/Unit2.h"

#include "canvas/NumberText.h"
#include "geometric/refraction/RefractionPicture.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/KeyboardDrag.h"
#include "widgets/MouseRelay.h"
#include "widgets/Overlay.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <functional>

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent)
    : TDemoForm(frame(tr("Преломление света на границе сред."), 568, 359), parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    attachOverlay(Image1);
    Readout = std::make_shared<TRefractionPicture>(this);
    attachOverlay(Image1)->setProvider(Readout.get());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    createLamp();
    createInputs();
    wireEvents();
    FormCreate();
    describePicture(Image1, tr("Луч, отражённый и преломлённый на границе двух сред; "
                               "источник перетаскивается мышью."));
}

void TForm2::createLamp() {
    Image2 = addControl(new QLabel(Panel1), "Image2", QRect(176, 8, 48, 32));
    const QPixmap lamp(QStringLiteral(":/refraction/lamp.png"));
    Image2->setPixmap(lamp);
    Image2->resize(lamp.isNull() ? QSize(48, 32) : lamp.size());
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->raise();
}

void TForm2::createInputs() {
    Panel2 = new TPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->resize(width(), 57);
    setAlign(Panel2, Align::Bottom);
    QWidget *p = Panel2;
    Label1 = addLabel(p, "Label1", tr("Показатель преломления 1й среды:"), QPoint(8, 15));
    Label2 = addLabel(p, "Label2", tr("Показатель преломления 2й среды:"), QPoint(8, 39));
    Label3 = addLabel(p, "Label3", tr("Показатель дисперсии, 100000/нм:"), QPoint(288, 15));
    Label4 = addLabel(p, "Label4", tr("Показатель дисперсии, 100000/нм:"), QPoint(288, 39));
    Edit1 = addEdit(p, "Edit1", QStringLiteral("1.3"), {200, 7, 81, 21});
    Edit2 = addEdit(p, "Edit2", QStringLiteral("1"), {200, 31, 81, 21});
    Edit3 = addEdit(p, "Edit3", QStringLiteral("0"), {472, 8, 81, 21});
    Edit4 = addEdit(p, "Edit4", QStringLiteral("0"), {472, 32, 81, 21});
}

void TForm2::wireEvents() {
    for (QLineEdit *e : {Edit1, Edit2, Edit3, Edit4})
        connect(e, &QLineEdit::textChanged, this, [this, e] { Edit1Change(e); });
    new TMouseRelay(Panel2, false, [this](QEvent::Type t, QPoint at) {
        if (t == QEvent::MouseButtonRelease && Panel2->rect().contains(Panel2->mapFromGlobal(at)))
            Edit1Change(Panel2);
    });
    new TMouseRelay(Image2, true, [this](QEvent::Type t, QPoint at) {
        if (t == QEvent::MouseButtonPress)
            Image2MouseDown(at.x());
        else if (t == QEvent::MouseMove)
            Image2MouseMove(at.x());
        else
            Image2MouseUp();
    });
    connect(Panel1, &TPanel::resized, this, &TForm2::Panel1Resize);
    keys = new TKeyboardDrag(Image1, {TKeyboardDrag::Object::of(Image2)});
}

void TForm2::FormCreate() {
    Dragging = false;
    surface->background = Qt::black;
    surface->setUp();
    DrawScene();
}

RefractionParams TForm2::readParams() const {
    RefractionParams p;
    p.n1 = readNumber(Edit1->text());
    p.n2 = readNumber(Edit2->text());
    p.D1 = readNumber(Edit3->text());
    p.D2 = readNumber(Edit4->text());
    p.panelWidth = Panel1->width();
    p.panelHeight = Panel1->height();
    p.imageWidth = Image1->width();
    p.imageHeight = Image1->height();
    p.lampLeft = Image2->x();
    p.lampWidth = Image2->width();
    p.lampHeight = Image2->height();
    p.background = surface->background;
    return p;
}

void TForm2::DrawScene() {
    Canvas canvas(Image1->Bitmap);
    trace = drawRefractionScene(canvas, readParams());
    Image1->update();
}

namespace {
// Puts a corrected number into a box; the box's change event runs again
// from here. An unchanged text is left alone, so the chain always ends.
void correct(QLineEdit *e, long long value) {
    const QString text = QString::number(value);
    if (e->text() != text) e->setText(text);
}
} // namespace

void TForm2::Edit1Change(QObject *Sender) {
    // Keeps the red end of each fan at a non-negative index.
    if (auto v = spectralfan::dispersionLimit(readNumber(Edit3->text()), readNumber(Edit1->text())))
        correct(Edit3, *v);
    if (auto v = spectralfan::dispersionLimit(readNumber(Edit4->text()), readNumber(Edit2->text())))
        correct(Edit4, *v);
    if (readNumber(Edit4->text()) > snell::kMaxLowerDispersion)
        correct(Edit4, (long long)snell::kMaxLowerDispersion);
    const auto *box = qobject_cast<QLineEdit *>(Sender);
    if (box && !box->text().isEmpty()) DrawScene();
}

void TForm2::Image2MouseDown(int screenX) {
    GrabOffset = Image2->x() - screenX;
    Dragging = true;
}

void TForm2::Image2MouseMove(int screenX) {
    if (!Dragging) return;
    const int left = screenX + GrabOffset;
    if (left <= 0 || left + Image2->width() >= Panel1->width()) return;
    Image2->move(left, Image2->y());
    DrawScene();
}

void TForm2::Image2MouseUp() {
    if (!Dragging) return;
    DrawScene();
    Dragging = false;
}

void TForm2::Panel1Resize() {
    // The surface has resized the bitmap to Panel1 already.
    if (Image2->width() / 3 + Image2->x() > Image1->width())
        Image2->move(Image1->width() - Image2->width(), Image2->y());
    DrawScene();
}
