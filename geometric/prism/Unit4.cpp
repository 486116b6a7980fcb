#include "geometric/prism/Unit4.h"

#include "canvas/Colours.h"
#include "canvas/NumberText.h"
#include "geometric/prism/PrismPicture.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/KeyboardDrag.h"
#include "widgets/Localised.h"
#include "widgets/MouseRelay.h"
#include "widgets/Overlay.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMovie>
#include <QTabWidget>
#include <functional>

TForm4 *Form4 = nullptr;

namespace {

// Calls `action` after each resize of a widget.
class ResizeWatch : public QObject {
  public:
    ResizeWatch(QWidget *w, std::function<void()> act) : QObject(w), action(std::move(act)) {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Resize) action();
        return false;
    }

  private:
    std::function<void()> action;
};

// Design sizes of the modelling page, for keeping the warning centred.
constexpr int kDesignPanelWidth = 570;
constexpr int kWarningLeft = 155, kWarningWidth = 272;
// The layout's pages are this much smaller than the page control; our
// style's pages are a little larger, and the pictures' design sizes need
// the layout's.
constexpr int kPageInsetWidth = 8, kPageInsetHeight = 28;

} // namespace

TForm4::TForm4(QWidget *parent) : TDemoForm(frame(tr("Дисперсия света"), 586, 409), parent) {
    PageControl1 = addControl(new QTabWidget(this), "PageControl1");
    setAlign(PageControl1, Align::Client);
    createFirstPage();
    createSecondPage();
    ColorDialog1 = new TColorDialog(this);
    wireEvents();
    new ResizeWatch(PageControl1, [this] { layOutHiddenPage(); });
    layOutHiddenPage();
    FormCreate();
    // Some control always has the focus here (the page tabs at first), so
    // Esc and Enter are seen before the controls, or they would never work.
    setKeyPreview(true);
    describePicture(
        Image1,
        tr("Луч белого света, разложенный призмой в спектр; источник перетаскивается мышью."));
}

void TForm4::createFirstPage() {
    TabSheet1 = addControl(new QWidget, "TabSheet1");
    PageControl1->addTab(TabSheet1, tr("Схема спектрометра на призме"));
    Panel3 = addControl(new TPanel(TabSheet1), "Panel3", QRect(0, 8, 561, 345));
    Panel3->setFrameStyle(QFrame::NoFrame);
    QPalette white = Panel3->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel3->setPalette(white);
    Panel3->setAutoFillBackground(true);
    // The diagram and the animation's first frame are decoded on the first
    // show; the diagram's size is read from its header.
    const QString diagram = localisedResource(QStringLiteral(":/prism/spectrometer.png"));
    Image3 =
        addControl(new QLabel(Panel3), "Image3", QRect(QPoint(0, 0), QImageReader(diagram).size()));
    RxGIFAnimator1 = addControl(new QLabel(Panel3), "RxGIFAnimator1", QRect(184, 200, 185, 137));
    RxGIFAnimator1->setScaledContents(true);
    movie = new QMovie(QStringLiteral(":/prism/spectrum.gif"), QByteArray(), RxGIFAnimator1);
    movie->setScaledSize(RxGIFAnimator1->size());
    RxGIFAnimator1->setMovie(movie);
    attachOverlay(RxGIFAnimator1)->setAnimation(&pause);
    onFirstShow([this, diagram] {
        Image3->setPixmap(QPixmap(diagram));
        movie->jumpToFrame(0);
    });
}

void TForm4::createSecondPage() {
    TabSheet2 = addControl(new QWidget, "TabSheet2");
    PageControl1->addTab(TabSheet2, tr("Моделирование"));
    new ResizeWatch(TabSheet2, [this] { fitPage(); });
    surface = new RaySurface(TabSheet2, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    attachOverlay(Image1);
    Readout = std::make_shared<TPrismPicture>(this);
    attachOverlay(Image1)->setProvider(Readout.get());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label2 = addLabel(Panel1, "Label2", tr("Часть лучей испытала полное внутреннее отражение"),
                      QRect(kWarningLeft, 9, kWarningWidth, 13));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette red = Label2->palette();
    red.setColor(QPalette::WindowText, colours::clRed);
    Label2->setPalette(red);
    Label2->hide();
    Image2 = addControl(new QLabel(Panel1), "Image2", QRect(0, 152, 32, 48));
    const QPixmap lamp(QStringLiteral(":/prism/lamp.png"));
    Image2->setPixmap(lamp);
    if (!lamp.isNull()) Image2->resize(lamp.size());
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->raise();
    createInputs();
}

void TForm4::createInputs() {
    Panel2 = new TPanel(TabSheet2);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->resize(TabSheet2->width(), 34);
    setAlign(Panel2, Align::Bottom);
    Label1 = addLabel(Panel2, "Label1", tr("Показатель преломления материала:"), QPoint(9, 9));
    Label3 = addLabel(Panel2, "Label3", tr("Показатель дисперсии, 10000/нм:"), QPoint(296, 9));
    Edit1 = addEdit(Panel2, "Edit1", QStringLiteral("1.3"), {208, 6, 74, 21});
    Edit2 = addEdit(Panel2, "Edit2", QStringLiteral("10"), {480, 6, 81, 21});
}

void TForm4::wireEvents() {
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm4::PageControl1Change);
    for (QLineEdit *e : {Edit1, Edit2})
        connect(e, &QLineEdit::textChanged, this, [this, e] { Edit1Change(e); });
    new TMouseRelay(Image2, true, [this](QEvent::Type t, QPoint at) {
        if (t == QEvent::MouseButtonPress)
            Image2MouseDown(at);
        else if (t == QEvent::MouseMove)
            Image2MouseMove(at);
        else
            Image2MouseUp();
    });
    connect(Image1, &TImage::mouseUp, this, [this](QMouseEvent *e) {
        if (e->button() == Qt::LeftButton && Image1->rect().contains(e->position().toPoint()))
            Image1Click();
    });
    connect(Panel1, &TPanel::resized, this, &TForm4::Panel1Resize);
    keys = new TKeyboardDrag(Image1, {TKeyboardDrag::Object::of(Image2)});
}

void TForm4::FormCreate() {
    Dragging = false;
    surface->background = Qt::black;
    surface->setUp();
    DrawScene();
    // The first picture, once the surface has its bitmap.
    onFirstShow([this] { DrawScene(); });
}

PrismParams TForm4::readParams() const {
    PrismParams p;
    p.n = readNumber(Edit1->text());
    p.D = readNumber(Edit2->text());
    p.panelWidth = Panel1->width();
    p.panelHeight = Panel1->height();
    p.imageWidth = Image1->width();
    p.imageHeight = Image1->height();
    p.lampLeft = Image2->x();
    p.lampTop = Image2->y();
    p.lampWidth = Image2->width();
    p.lampHeight = Image2->height();
    p.background = surface->background;
    return p;
}

void TForm4::DrawScene() {
    Canvas canvas(Image1->Bitmap);
    trace = drawPrismScene(canvas, readParams());
    // The warning belongs to this picture only, whatever it showed before.
    Label2->setVisible(trace.anyTotallyReflected);
    Image1->update();
}

void TForm4::Edit1Change(QObject *Sender) {
    if (auto v =
            spectralfan::dispersionLimit(readNumber(Edit2->text()), readNumber(Edit1->text()))) {
        // The box's change event runs again from here; an unchanged text
        // is left alone, so the chain always ends.
        const QString text = QString::number(*v);
        if (Edit2->text() != text) Edit2->setText(text);
    }
    const auto *box = qobject_cast<QLineEdit *>(Sender);
    if (box && !box->text().isEmpty()) DrawScene();
}

void TForm4::Image1Click() {
    ColorDialog1->Color = surface->background;
    if (!ColorDialog1->Execute()) return;
    surface->background = ColorDialog1->Color;
    DrawScene();
}

void TForm4::FormKeyPress(QChar key) {
    if (key == QChar(27))
        HideNow();
    else if (key == QChar(13))
        DrawScene();
}

void TForm4::FormShow() {
    layOutHiddenPage();
    PageControl1Change();
}

void TForm4::FormClose() {
    movie->setPaused(true);
}

// Esc hides without the close handler: the animation stops here as well.
void TForm4::hideEvent(QHideEvent *event) {
    TDemoForm::hideEvent(event);
    PageControl1Change();
}

void TForm4::PageControl1Change() {
    const bool run = isVisible() && PageControl1->currentIndex() == 0 && !pause.isPaused();
    if (run && movie->state() != QMovie::Running)
        movie->start();
    else if (!run && movie->state() == QMovie::Running)
        movie->setPaused(true);
}

// The last frame steps on to the first, as the running movie loops.
void TForm4::stepMovie() {
    if (!movie->jumpToNextFrame()) movie->jumpToFrame(0);
}

void TForm4::Image2MouseDown(QPoint screen) {
    GrabOffsetY = Image2->y() - screen.y();
    GrabOffsetX = Image2->x() - screen.x();
    Dragging = true;
}

void TForm4::Image2MouseMove(QPoint screen) {
    if (!Dragging) return;
    const int top = screen.y() + GrabOffsetY;
    if (top <= 0 || top + Image2->height() >= Panel1->height()) return;
    // The lamp stays below the prism's apex and on the picture's left.
    Image2->move(std::max(screen.x() + GrabOffsetX, 0), std::max(top, 100));
    DrawScene();
}

void TForm4::Image2MouseUp() {
    if (!Dragging) return;
    DrawScene();
    Dragging = false;
}

void TForm4::fitPage() {
    const int dw = TabSheet2->width() - (PageControl1->width() - kPageInsetWidth);
    const int dh = TabSheet2->height() - (PageControl1->height() - kPageInsetHeight);
    const QMargins m(std::max(dw, 0) / 2, std::max(dh, 0), std::max(dw, 0) - std::max(dw, 0) / 2,
                     0);
    if (TabSheet2->contentsMargins() == m) return;
    TabSheet2->setContentsMargins(m);
    realign(TabSheet2);
}

// A hidden page gets no resize events, so its picture would keep a stale
// size until shown: it is laid out here at the size it will have.
void TForm4::layOutHiddenPage() {
    if (PageControl1->currentWidget() == TabSheet2) return;
    TabSheet2->setContentsMargins(0, 0, 0, 0);
    TabSheet2->resize(std::max(PageControl1->width() - kPageInsetWidth, 0),
                      std::max(PageControl1->height() - kPageInsetHeight, 0));
    realign(TabSheet2);
    realign(Panel1);
    if (Image1->Bitmap.size() == Panel1->size()) return;
    // Before the first show there is no bitmap yet: the surface makes it then.
    if (!Image1->Bitmap.isNull()) Image1->setBitmapSize(Panel1->width(), Panel1->height());
    Panel1Resize();
}

void TForm4::placeWarning() {
    // Anchored to the top only: the warning keeps its share of the width.
    const int centre = (kWarningLeft + kWarningWidth / 2) * Panel1->width() / kDesignPanelWidth;
    Label2->move(centre - kWarningWidth / 2, Label2->y());
}

void TForm4::Panel1Resize() {
    // The bitmap has Panel1's size (once the window has been shown).
    if (Panel1->height() < Image2->width() / 3 + Image2->y())
        Image2->move(Image2->x(), Panel1->height() - Image2->height());
    placeWarning();
    DrawScene();
}
