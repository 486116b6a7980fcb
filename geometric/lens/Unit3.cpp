#include "geometric/lens/Unit3.h"

#include "canvas/Colours.h"
#include "canvas/NumberText.h"
#include "geometric/lens/LensPicture.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/KeyboardDrag.h"
#include "widgets/Overlay.h"

#include <QMouseEvent>
#include <QToolTip>
#include <QtMath>

TForm3 *Form3 = nullptr;

namespace {

// Legend labels keep this distance from the picture's right edge.
constexpr int kLegendLeft = 510, kLegendWidth = 73, kLegendRightGap = 591 - 510 - 73;

// Calls `action` on a left click (press and release over the widget).
class ClickFilter : public QObject {
  public:
    ClickFilter(QWidget *w, std::function<void()> act) : QObject(w), action(std::move(act)) {}
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::MouseButtonRelease) return false;
        auto *m = static_cast<QMouseEvent *>(event);
        auto *w = static_cast<QWidget *>(watched);
        if (m->button() == Qt::LeftButton && w->rect().contains(m->position().toPoint())) action();
        return false;
    }

  private:
    std::function<void()> action;
};

QColor fontColour(const QLabel *l) {
    return l->palette().color(QPalette::WindowText);
}

void setFontColour(QLabel *l, const QColor &c) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, c);
    l->setPalette(pal);
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, int x, int y) {
    return addLabel(parent, name, caption, QPoint(x, y));
}

QLineEdit *edit(QWidget *parent, const char *name, const QString &text, int x, int y) {
    return addEdit(parent, name, text, QRect(x, y, 65, 21));
}

int pointerX(const QMouseEvent *e) {
    return qFloor(e->position().x());
}
int pointerY(const QMouseEvent *e) {
    return qFloor(e->position().y());
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : TDemoForm(frame(tr("Построение изображения в линзе."), 599, 374), parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Image);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    attachOverlay(Image1);
    Readout = std::make_shared<TLensPicture>(this);
    attachOverlay(Image1)->setProvider(Readout.get());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    createLegend();
    createInputs();
    ColorDialog1 = new TColorDialog(this);
    wireEvents();
    createKeys();
    surface->redraw = [this] { DrawScene(); };
    FormCreate();
    setKeyPreview(true);
    describePicture(Image1, tr("Построение изображения предмета в тонкой линзе; предмет и "
                               "линзу можно перетаскивать мышью, значения задаются внизу."));
}

void TForm3::createLegend() {
    const char *const names[] = {"Label13", "Label14", "Label15", "Label16",
                                 "Label17", "Label18", "Label19"};
    const QString captions[] = {tr("Предмет"), tr("Изображение"), tr("Линза"), tr("Ось"),
                                tr("Луч 1"),   tr("Луч 2"),       tr("Фон")};
    const LensColours initial;
    const QColor colours[] = {initial.object, initial.image, initial.lens,    initial.axis,
                              initial.ray1,   initial.ray2,  colours::clWhite};
    QLabel **targets[] = {&Label13, &Label14, &Label15, &Label16, &Label17, &Label18, &Label19};
    for (int i = 0; i < 7; ++i) {
        auto *l = new QLabel(captions[i], Panel1);
        l->setObjectName(QLatin1String(names[i]));
        l->setAlignment(Qt::AlignRight | Qt::AlignTop);
        QFont f = l->font();
        f.setUnderline(true);
        l->setFont(f);
        l->setCursor(Qt::PointingHandCursor);
        // Our font is wider than the layout's: grow to the left, never clip.
        const int w = std::max(kLegendWidth, l->fontMetrics().horizontalAdvance(captions[i]) + 1);
        l->setGeometry(kLegendLeft + kLegendWidth - w, 16 + 16 * i, w, 13);
        setFontColour(l, colours[i]);
        *targets[i] = l;
    }
}

void TForm3::createInputs() {
    Panel2 = new TPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->resize(width(), 113);
    setAlign(Panel2, Align::Bottom);
    QWidget *p = Panel2;
    Label1 = label(p, "Label1", tr("Оптическая сила линзы, D="), 8, 16);
    Edit1 = edit(p, "Edit1", QStringLiteral("8"), 168, 8);
    Label3 = label(p, "Label3", tr("дптр"), 240, 16);
    Label2 = label(p, "Label2", tr("Расстояние до предмета, d="), 8, 40);
    Edit2 = edit(p, "Edit2", QStringLiteral("28"), 168, 32);
    Label4 = label(p, "Label4", tr("см"), 240, 40);
    Label7 = label(p, "Label7", tr("Высота предмета, h="), 8, 64);
    Edit4 = edit(p, "Edit4", QStringLiteral("6"), 168, 56);
    Label8 = label(p, "Label8", tr("см"), 240, 64);
    Label11 = label(p, "Label11", tr("Угол наклона предмета, a="), 8, 88);
    Edit6 = edit(p, "Edit6", QStringLiteral("90"), 168, 80);
    Label12 = label(p, "Label12", tr("град"), 240, 88);
    SpeedButton1 = new QToolButton(p);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(tr("Построить изображение"));
    SpeedButton1->setGeometry(280, 8, 257, 22);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setCursor(Qt::PointingHandCursor);
    QFont bold = SpeedButton1->font();
    bold.setBold(true);
    bold.setUnderline(true);
    SpeedButton1->setFont(bold);
    Label5 = label(p, "Label5", tr("Расстояние до изображения, f="), 280, 40);
    Edit3 = edit(p, "Edit3", QString(), 448, 32);
    Label6 = label(p, "Label6", tr("см"), 520, 40);
    Label9 = label(p, "Label9", tr("Высота изображения, h'="), 280, 64);
    Edit5 = edit(p, "Edit5", QString(), 448, 56);
    Label10 = label(p, "Label10", tr("см"), 520, 64);
    QWidget::setTabOrder(Edit1, Edit2);
    QWidget::setTabOrder(Edit2, Edit3);
    QWidget::setTabOrder(Edit3, Edit4);
    QWidget::setTabOrder(Edit4, Edit5);
    QWidget::setTabOrder(Edit5, Edit6);
}

void TForm3::wireEvents() {
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(Edit4, &QLineEdit::textChanged, this, [this] { Edit4Change(); });
    for (QLabel *l : {Label13, Label14, Label15, Label16, Label17, Label18, Label19})
        l->installEventFilter(new ClickFilter(l, [this, l] { Label13Click(l); }));
    connect(Panel1, &TPanel::resized, this, [this] { placeLegend(); });
    connect(Image1, &TImage::doubleClicked, this, [this] { Image1DblClick(); });
    connect(Image1, &TImage::mouseDown, this,
            [this](QMouseEvent *e) { Image1MouseDown(pointerX(e), pointerY(e)); });
    connect(Image1, &TImage::mouseMove, this,
            [this](QMouseEvent *e) { Image1MouseMove(e->buttons(), pointerX(e), pointerY(e)); });
    connect(Image1, &TImage::mouseUp, this, [this] { Image1MouseUp(); });
}

// The arrows drag the object as the left button does and its tip as the
// right one does, both grabbed halfway up the arrow.
void TForm3::createKeys() {
    const auto grab = [this] {
        const LensParams p = readParams();
        return (objectBase(p) + objectTip(p)) / 2;
    };
    const auto frame = [this] {
        const LensParams p = readParams();
        return QRect(objectBase(p), objectTip(p)).normalized().adjusted(-4, -4, 4, 4);
    };
    TKeyboardDrag::Object object;
    object.target = Image1;
    object.anchor = grab;
    object.frame = frame;
    TKeyboardDrag::Object tip = object;
    tip.press = grab;
    tip.anchor = [this] { return objectTip(readParams()); };
    tip.button = Qt::RightButton;
    tip.frame = [this] { return QRect(objectTip(readParams()) - QPoint(5, 5), QSize(11, 11)); };
    keys = new TKeyboardDrag(Image1, {object, tip});
}

// The legend is anchored to the picture's top right corner.
void TForm3::placeLegend() {
    const int right = Panel1->width() - kLegendRightGap;
    for (QLabel *l : {Label13, Label14, Label15, Label16, Label17, Label18, Label19})
        l->move(right - l->width(), l->y());
}

void TForm3::FormCreate() {
    Dragging = false;
    surface->background = complement(fontColour(Label19));
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, surface->background);
    Panel1->setPalette(pal);
    Panel1->setAutoFillBackground(true);
    surface->setUp();
}

LensParams TForm3::readParams() const {
    LensParams p;
    p.D = readNumber(Edit1->text());
    p.d = readNumber(Edit2->text());
    p.h = readNumber(Edit4->text());
    p.a = readNumber(Edit6->text());
    p.panelWidth = Panel1->width();
    p.panelHeight = Panel1->height();
    p.colours = {fontColour(Label13), fontColour(Label14), fontColour(Label15), fontColour(Label16),
                 fontColour(Label17), fontColour(Label18), surface->background};
    return p;
}

void TForm3::DrawScene() {
    Canvas canvas(Image1->Bitmap);
    const LensOutputs out = drawLensScene(canvas, readParams());
    if (out.imageBuilt) {
        showReadout(Edit3, out.imageDistance);
        showReadout(Edit5, out.imageHeight);
    }
    Image1->update();
}

void TForm3::SpeedButton1Click() {
    DrawScene();
}

void TForm3::FormKeyPress(QChar key) {
    if (key == QChar(27))
        HideNow();
    else if (key == QChar(13))
        DrawScene();
}

void TForm3::Edit4Change() {
    const QString text = Edit4->text();
    if (text.startsWith(QLatin1Char('-'))) {
        Edit4->setText(text.mid(1)); // comes back here with the rest
        return;
    }
    // Taller objects would not fit the picture.
    const int limit = Panel1->height() / 27;
    if (readNumber(text) > limit) Edit4->setText(QString::number(limit));
}

void TForm3::Label13Click(QLabel *sender) {
    // "Фон" shows the complement of the background, so it stays readable.
    const bool background = sender == Label19;
    const QColor shown = fontColour(sender);
    ColorDialog1->Color = background ? complement(shown) : shown;
    if (!ColorDialog1->Execute()) return;
    QColor chosen = ColorDialog1->Color;
    if (background) {
        surface->background = chosen;
        chosen = complement(chosen);
    }
    setFontColour(sender, chosen);
    DrawScene();
}

void TForm3::Image1DblClick() {
    Label13Click(Label19);
}

void TForm3::Image1MouseDown(int X, int Y) {
    if (Dragging || !onObject(readParams(), X, Y)) return;
    Dragging = true;
    DragX = X;
}

void TForm3::Image1MouseUp() {
    Dragging = false;
}

void TForm3::Image1MouseMove(Qt::MouseButtons buttons, int X, int Y) {
    if (!Dragging)
        Panel1->setCursor(onObject(readParams(), X, Y) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    else if (buttons & Qt::RightButton)
        dragTip(X, Y);
    else
        dragAlongAxis(X);
    showPointerTip(X, Y);
}

// The tip follows the pointer; the base stays where it is.
void TForm3::dragTip(int X, int Y) {
    const thinlens::TipPose pose = tipToPointer(readParams(), X, Y);
    showReadout(Edit4, qFormatFiveDecimals(pose.height));
    showReadout(Edit6, qFormatFiveDecimals(pose.tiltDegrees));
    DrawScene();
}

// The whole object slides along the axis, through the lens if pushed.
void TForm3::dragAlongAxis(int X) {
    const int dx = X - DragX;
    showReadout(Edit2, qFormatFiveDecimals(slideObject(readParams(), dx)));
    if (dx != 0) DrawScene();
    DragX = X;
}

// "x:y" in centimetres from the picture's centre, y downwards.
void TForm3::showPointerTip(int X, int Y) {
    const double x = (X - Image1->Bitmap.width() / 2) / 10.0;
    const double y = (Y - Image1->Bitmap.height() / 2) / 10.0;
    const QString tip = qFormatGeneral(x) + QLatin1Char(':') + qFormatGeneral(y);
    Panel1->setToolTip(tip);
    QToolTip::showText(Image1->mapToGlobal(QPoint(X, Y)), tip, Panel1);
}
