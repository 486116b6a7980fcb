#include "geometric/huygens/Unit15.h"

#include "canvas/Colours.h"
#include "canvas/NumberText.h"
#include "core/Numbers.h"
#include "geometric/huygens/HuygensPicture.h"
#include "geometric/huygens/HuygensScene.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

TForm15 *Form15 = nullptr;

namespace {

// The inputs panel keeps this distance from the window's right edge.
constexpr int kPanelLeft = 520, kPanelWidth = 177, kPanelRightGap = 705 - 520 - 177;

void paintBlack(QWidget *w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::black);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QLabel *boldLabel(QWidget *parent, const char *name, const QString &text, QPoint at,
                  const QColor &colour) {
    QLabel *l = addLabel(parent, name, text, at);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->adjustSize();
    return l;
}

TCSafeSpinEdit *safeSpin(QWidget *parent, const char *name, int y, int minValue, int maxValue,
                         int value) {
    auto *s = addControl(new TCSafeSpinEdit(parent), name, QRect(112, y, 57, 21));
    s->setMinValue(minValue);
    s->setMaxValue(maxValue);
    s->setValue(value);
    return s;
}

// The number a spin edit holds, its minimum while the text is no number.
// Unlike reading Value, this leaves the text alone: the ticks read the boxes
// 20 times a second, and writing the minimum back would overwrite a box the
// user has just cleared to type into.
int spinNumber(const TCSpinEdit *s) {
    const std::optional<int> v = readInteger(s->Text().toStdString());
    return v ? *v : s->MinValue;
}

} // namespace

TForm15::TForm15(QWidget *parent)
    : TDemoForm(
          frame(tr("Демонстрация преломления света с использованием принципа Гюйгенса."), 713, 576),
          parent) {
    Panel2 = addControl(new TPanel(this), "Panel2");
    Panel2->setFrameStyle(QFrame::NoFrame);
    paintBlack(Panel2);
    setAlign(Panel2, Align::Client);
    Image1 = addControl(new TImage(Panel2), "Image1");
    Readout = std::make_shared<THuygensPicture>(this);
    attachOverlay(Image1)->setProvider(Readout.get());
    paintBlack(Image1);
    setAlign(Image1, Align::Client);
    // The bitmap (7.3 MiB) is made on the first show; until then the black
    // background paints the same picture.
    onFirstShow([this] { ensureBitmap(); });
    createInputs();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    animation = new TTimerAnimation(Timer1, [this] { Timer1Timer(); });
    attachOverlay(Image1)->setAnimation(animation);
    Image1->setFocusPolicy(Qt::StrongFocus);
    connect(Image1, &TImage::doubleClicked, this, [this] { Image1DblClick(); });
    attachOverlay(Image1)->setHint(tr("Дважды щёлкните по рисунку, чтобы запустить"));
    describePicture(Image1, tr("Волновой фронт, преломляющийся на границе сред по "
                               "Гюйгенсу; двойной щелчок по рисунку запускает волну."));
}

void TForm15::createInputs() {
    Panel1 = addControl(new TPanel(this), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);
    placeInputs();
    QWidget *p = Panel1;
    Label3 = addLabel(p, "Label3", tr("Угол падения, град:"), QPoint(8, 12));
    CSafeSpinEdit1 = safeSpin(p, "CSafeSpinEdit1", 8, 0, 89, 30);
    Label2 = addLabel(p, "Label2", tr("Шаг чередования:"), QPoint(8, 36));
    CSafeSpinEdit2 = safeSpin(p, "CSafeSpinEdit2", 32, 1, huygens::kMaxSpin, 10);
    Label4 = addLabel(p, "Label4", tr("Толщина пучка:"), QPoint(8, 60));
    CSafeSpinEdit3 = safeSpin(p, "CSafeSpinEdit3", 56, 1, huygens::kMaxSpin, 100);
    Label1 = boldLabel(p, "Label1", tr("Преломление 1:"), QPoint(8, 92), colours::clRed);
    Edit1 = addEdit(p, "Edit1", QStringLiteral("1.3"), QRect(112, 88, 56, 21));
    Label6 = boldLabel(p, "Label6", tr("Преломление 2:"), QPoint(8, 116), colours::clGreen);
    Edit2 = addEdit(p, "Edit2", QStringLiteral("1.3"), QRect(112, 112, 56, 21));
    Panel1->raise();
}

// Anchored to the top and right edges.
void TForm15::placeInputs() {
    Panel1->setGeometry(width() - kPanelRightGap - kPanelWidth, 8, kPanelWidth, 145);
}

void TForm15::resizeEvent(QResizeEvent *event) {
    TDemoForm::resizeEvent(event);
    placeInputs();
}

huygens::Inputs TForm15::readInputs() {
    huygens::Inputs in;
    in.W = Image1->width();
    in.H = Image1->height();
    in.t = t;
    in.spacing = spinNumber(CSafeSpinEdit2);
    in.width = spinNumber(CSafeSpinEdit3);
    in.thetaDegrees = spinNumber(CSafeSpinEdit1);
    in.n1 = float(readNumber(Edit1->text()));
    in.n2 = float(readNumber(Edit2->text()));
    return in;
}

void TForm15::ensureBitmap() {
    Image1->makeBlank(QSize(kBitmapWidth, kBitmapHeight), Qt::black);
}

void TForm15::Image1DblClick() {
    t = 0;
    animation->start();
    TOverlay::of(Image1)->setHint({});
}

void TForm15::Timer1Timer() {
    t = std::min(t + 1, huygens::kMaxTime);
    const huygens::Inputs in = readInputs();
    ensureBitmap();
    // Draw straight into the part of the bitmap the picture shows.
    QImage &bitmap = Image1->Bitmap;
    const int w = std::clamp(in.W, 0, bitmap.width()), h = std::clamp(in.H, 0, bitmap.height());
    QImage view(bitmap.bits(), w, h, bitmap.bytesPerLine(), QImage::Format_RGB32);
    Canvas canvas(view);
    drawHuygensScene(canvas, in);
    Image1->update();
}

void TForm15::FormClose() {
    animation->stop();
}

void TForm15::FormCloseAfter() {
    QImage &bitmap = Image1->Bitmap;
    const int w = std::min(Image1->width(), bitmap.width());
    const int h = std::min(Image1->height(), bitmap.height());
    QImage view(bitmap.bits(), std::max(w, 0), std::max(h, 0), bitmap.bytesPerLine(),
                QImage::Format_RGB32);
    view.fill(Qt::black);
    Image1->update();
    TOverlay::of(Image1)->setHint(tr("Дважды щёлкните по рисунку, чтобы запустить"));
}
