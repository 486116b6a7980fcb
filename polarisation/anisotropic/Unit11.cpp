#include "polarisation/anisotropic/Unit11.h"

#include "canvas/Canvas.h"
#include "canvas/NumberText.h"
#include "polarisation/anisotropic/AnisotropicScene.h"
#include "polarisation/anisotropic/WavePicture.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMovie>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

TForm11 *Form11 = nullptr;

namespace {
// The pacing thread's request for one step; the Qt form of message 2239.
class WaveStepEvent : public QEvent {
  public:
    static QEvent::Type kind() {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }
    explicit WaveStepEvent(std::uint64_t t) : QEvent(kind()), ticket(t) {}
    std::uint64_t ticket;
};

// A long label wraps within maxWidth; a short one stays on one line, so that
// neither runs under the pictures and edits next to it.
enum class Fit { Wrap, OneLine };

QLabel *label(QWidget *parent, const char *name, int x, int y, const QString &text, int fontPixels,
              int maxWidth, Fit fit) {
    QLabel *l = addLabel(parent, name, text, QPoint(x, y));
    QFont f = l->font();
    f.setPixelSize(fontPixels);
    l->setFont(f);
    l->setWordWrap(fit == Fit::Wrap);
    l->setFixedWidth(std::min(maxWidth, l->fontMetrics().horizontalAdvance(text) + 2));
    l->adjustSize();
    l->move(x, y);
    return l;
}
} // namespace

TForm11::TForm11(QWidget *parent)
    : TDemoForm(
          frame(tr("Поляризация волн. Прохождение волны через анизотропную среду."), 664, 594),
          parent),
      Pacer([this](std::uint64_t ticket) {
          QCoreApplication::postEvent(this, new WaveStepEvent(ticket));
      }) {
    PageControl1 = addControl(new QTabWidget(this), "PageControl1");
    setAlign(PageControl1, Align::Client);
    buildFirstPage();
    buildSecondPage();
    Timer1.setInterval(500);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TForm11::Timer1Timer);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm11::PageControl1Change);
    Button3Click();
    Edit5Change();
    animation.t = 0;
    Pacer.setPosition(TrackBar1->value());
    Pacer.start();
    describePicture(
        Image1, tr("Волна, проходящая через анизотропную пластинку; параметры задаются справа."));
}

TForm11::~TForm11() {
    // The worker never waits on this thread once stopped, so joining is safe.
    Pacer.stop();
}

void TForm11::buildFirstPage() {
    TabSheet1 = addControl(new QWidget, "TabSheet1");
    PageControl1->addTab(TabSheet1, tr("Анимированные схемы"));
    Label12 = label(TabSheet1, "Label12", 8, 40, tr("Плоскополяризованная электромагнитная волна:"),
                    16, 396, Fit::Wrap);
    Label11 = label(TabSheet1, "Label11", 8, 176, tr("Частные случаи эллиптической поляризации:"),
                    16, 388, Fit::Wrap);
    Label9 = label(TabSheet1, "Label9", 400, 144, tr("Линейная:"), 16, 86, Fit::OneLine);
    Label10 = label(TabSheet1, "Label10", 408, 208, tr("Круговая:"), 16, 78, Fit::OneLine);
    Label13 =
        label(TabSheet1, "Label13", 8, 328,
              tr("Прохождение плоскополяризованного света через поляризатор:"), 16, 500, Fit::Wrap);
    Label14 = label(TabSheet1, "Label14", 16, 488, tr("Изменение поляризации при отражении волны:"),
                    16, 396, Fit::Wrap);
    struct Gif {
        QLabel **slot;
        const char *name, *file;
        QRect place;
    };
    const Gif gifs[4] = {
        {&RxGIFAnimator1,
         "RxGIFAnimator1",
         ":/polarisation/elliptic_cases.gif",
         {488, 120, 153, 129}},
        {&RxGIFAnimator2, "RxGIFAnimator2", ":/polarisation/em_wave.gif", {408, 8, 233, 105}},
        {&RxGIFAnimator3, "RxGIFAnimator3", ":/polarisation/polariser.gif", {512, 256, 129, 153}},
        {&RxGIFAnimator4, "RxGIFAnimator4", ":/polarisation/reflection.gif", {416, 416, 225, 121}},
    };
    for (int i = 0; i < 4; ++i) {
        QLabel *g = addControl(new QLabel(TabSheet1), gifs[i].name);
        g->setGeometry(gifs[i].place);
        g->setScaledContents(true);
        movies[i] = new QMovie(QString::fromLatin1(gifs[i].file), QByteArray(), g);
        movies[i]->setScaledSize(gifs[i].place.size());
        g->setMovie(movies[i]);
        // The first frame is decoded on the first show.
        onFirstShow([m = movies[i]] { m->jumpToFrame(0); });
        *gifs[i].slot = g;
    }
}

void TForm11::buildSecondPage() {
    TabSheet2 = addControl(new QWidget, "TabSheet2");
    PageControl1->addTab(TabSheet2, tr("Прохождение света через вещество"));
    Panel3 = addControl(new TPanel(TabSheet2), "Panel3");
    Panel3->resize(217, Panel3->height());
    setAlign(Panel3, Align::Left);
    Panel2 = addControl(new TPanel(TabSheet2), "Panel2");
    setAlign(Panel2, Align::Client);
    GroupBox1 = addControl(new QGroupBox(tr("Входящая волна"), Panel2), "GroupBox1");
    GroupBox2 = addControl(new QGroupBox(tr("Выходящая волна"), Panel2), "GroupBox2");
    Image1 = addControl(new TImage(GroupBox1), "Image1");
    Image2 = addControl(new TImage(GroupBox2), "Image2");
    ReadoutBefore = std::make_shared<TWavePicture>(this, false);
    ReadoutBehind = std::make_shared<TWavePicture>(this, true);
    setAlign(Image1, Align::Client);
    setAlign(Image2, Align::Client);
    attachOverlay(Image1)->setAnimation(&pause);
    attachOverlay(Image2);
    attachOverlay(Image1)->setProvider(ReadoutBefore.get());
    attachOverlay(Image2)->setProvider(ReadoutBehind.get());
    connect(Panel2, &TPanel::resized, this, &TForm11::Panel2Resize);
    buildInputs();
}

void TForm11::buildInputs() {
    struct Row {
        QLabel **lab;
        QLineEdit **edit;
        const char *labName, *editName;
        int y;
        const char *text, *value;
    };
    const Row rows[6] = {
        {&Label5, &Edit5, "Label5", "Edit5", 8,
         QT_TRANSLATE_NOOP("TForm11", "Длина волны в вакууме,нм="), "500"},
        {&Label6, &Edit6, "Label6", "Edit6", 32,
         QT_TRANSLATE_NOOP("TForm11", "Сдвиг фазы Y вектора f="), "180"},
        {&Label3, &Edit3, "Label3", "Edit3", 56, QT_TRANSLATE_NOOP("TForm11", "Показатель Kx="),
         "1"},
        {&Label4, &Edit4, "Label4", "Edit4", 80, QT_TRANSLATE_NOOP("TForm11", "Показатель Ky="),
         "2"},
        {&Label7, &Edit7, "Label7", "Edit7", 104,
         QT_TRANSLATE_NOOP("TForm11", "Толшина вещества, нм="), "125"},
        {&Label15, &Edit8, "Label15", "Edit8", 128,
         QT_TRANSLATE_NOOP("TForm11", "Временной шаг, с*10^17="), "1"},
    };
    for (const Row &r : rows) {
        *r.lab = label(Panel3, r.labName, 8, r.y + 8, tr(r.text), 11, 142, Fit::OneLine);
        QLineEdit *e = addControl(new QLineEdit(QString::fromLatin1(r.value), Panel3), r.editName);
        e->setGeometry(152, r.y, 57, 21);
        connect(e, &QLineEdit::textChanged, this, &TForm11::Edit5Change);
        *r.edit = e;
    }
    TrackBar1 = addControl(new QSlider(Qt::Horizontal, Panel3), "TrackBar1");
    TrackBar1->setGeometry(8, 160, 201, 41);
    TrackBar1->setRange(0, 20);
    TrackBar1->setValue(3);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    connect(TrackBar1, &QSlider::valueChanged, this, [this](int p) { Pacer.setPosition(p); });
    const auto button = [this](const char *name, int y, const char *text) {
        auto *b = addControl(new QPushButton(tr(text), Panel3), name);
        b->setGeometry(24, y, 161, 25);
        return b;
    };
    Button1 = button("Button1", 208, QT_TRANSLATE_NOOP("TForm11", "Сброс графика 1"));
    Button2 = button("Button2", 240, QT_TRANSLATE_NOOP("TForm11", "Сброс графика 2"));
    Button3 = button("Button3", 280, QT_TRANSLATE_NOOP("TForm11", "Общий сброс"));
    connect(Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm11::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm11::Button3Click);
}

void TForm11::Edit5Change() {
    params = waveParamsFromInputs(readNumber(Edit5->text()), readNumber(Edit6->text()),
                                  readNumber(Edit3->text()), readNumber(Edit4->text()),
                                  readNumber(Edit7->text()), readNumber(Edit8->text()));
}

void TForm11::Button1Click() {
    clearWavePicture(Image1->Bitmap, Image1->width(), Image1->height());
    animation.hasPrevIn = false;
    Image1->update();
}

void TForm11::Button2Click() {
    clearWavePicture(Image2->Bitmap, Image2->width(), Image2->height());
    animation.hasPrevOut = false;
    Image2->update();
}

void TForm11::Button3Click() {
    animation.t = 0;
    Button1Click();
    Button2Click();
}

void TForm11::Panel2Resize() {
    const int w = Panel2->width() / 2, h = Panel2->height();
    GroupBox1->setGeometry(0, 0, w, h);
    GroupBox2->setGeometry(w, 0, w, h);
    Timer1.stop();
    Timer1.start();
}

void TForm11::Timer1Timer() {
    Timer1.stop();
    Button3Click();
}

void TForm11::PageControl1Change() {
    const bool run = isVisible() && PageControl1->currentIndex() == 0;
    for (QMovie *m : movies) {
        if (run && m->state() != QMovie::Running)
            m->start();
        else if (!run && m->state() == QMovie::Running)
            m->setPaused(true);
    }
}

bool TForm11::WaveStep() {
    const std::optional<WaveAnimation::Step> s = animation.step(params);
    if (!s) return false;
    Canvas in(Image1->Bitmap);
    drawWaveStep(in, s->in);
    Canvas out(Image2->Bitmap);
    drawWaveStep(out, s->out);
    Image1->update();
    Image2->update();
    return true;
}

void TForm11::FormShow() {
    // A picture that never had the size of its control (first show) gets it now.
    // The deferred reset of the first layout is then done already.
    if (Image1->Bitmap.size() != Image1->size() || Image2->Bitmap.size() != Image2->size()) {
        Button3Click();
        Timer1.stop();
    }
    Pacer.setVisible(true);
    PageControl1Change();
}

// Every way of hiding ends here, the close fade included.
void TForm11::hideEvent(QHideEvent *e) {
    TDemoForm::hideEvent(e);
    Pacer.setVisible(false);
    PageControl1Change();
}

bool TForm11::event(QEvent *e) {
    if (e->type() == WaveStepEvent::kind()) {
        // A request sent before the pause is answered without a step.
        if (!pause.isPaused()) WaveStep();
        Pacer.stepDone(static_cast<WaveStepEvent *>(e)->ticket);
        return true;
    }
    return TDemoForm::event(e);
}
