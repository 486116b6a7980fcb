#include "waves/newton/Unit7.h"

#include "canvas/Canvas.h"
#include "canvas/NumberText.h"
#include "waves/newton/NewtonPicture.h"
#include "waves/newton/NewtonRings.h"
#include "waves/newton/NewtonScene.h"
#include "waves/newton/VideoPanel.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/BackgroundComputation.h"
#include "widgets/Controls.h"
#include "widgets/DataFiles.h"
#include "widgets/Localised.h"
#include "widgets/Messages.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

TForm7 *Form7 = nullptr;

namespace {

// What the worker hands over: the profile and the picture drawn from it.
struct RingsResult {
    std::vector<int> levels;
    QImage picture;
};

constexpr int kScrollBarThickness = 17;

TPanel *whitePanel(QWidget *parent, const char *name) {
    auto *p = addControl(new TPanel(parent), name);
    p->setFrameStyle(QFrame::NoFrame);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, Qt::white);
    p->setPalette(pal);
    return p;
}

QScrollBar *scrollBar(QWidget *parent, const char *name, Qt::Orientation o) {
    auto *s = addControl(new QScrollBar(o, parent), name);
    s->setRange(0, 1000);
    s->setValue(500);
    s->setPageStep(50);
    return s;
}

QString problemText(NewtonProblem problem, long long n) {
    switch (problem) {
    case NewtonProblem::StepNotPositive:
        return TForm7::tr("Шаг расчета должен быть больше нуля.");
    case NewtonProblem::NoRings:
        return TForm7::tr("Радиус линзы меньше шага расчета: колец не будет.\n"
                          "Уменьшите шаг или увеличьте радиус линзы.");
    case NewtonProblem::CurvatureTooSmall:
        return TForm7::tr("Радиус кривизны линзы не может быть меньше радиуса линзы.");
    case NewtonProblem::WavelengthNotPositive:
        return TForm7::tr("Длина волны должна быть больше нуля.");
    case NewtonProblem::OutOfRange:
        return TForm7::tr("Радиус кривизны линзы слишком велик или длина волны слишком мала.");
    case NewtonProblem::TooLarge:
        return TForm7::tr("Слишком мелкий шаг расчета: картина из %1 колец не поместится "
                          "в памяти.\nУвеличьте шаг: колец должно быть не больше %2.")
            .arg(n)
            .arg(kMaxNewtonRings);
    case NewtonProblem::None:
        break;
    }
    return {};
}

// The tint's wavelength: the text as a whole number, 500 when it is not.
Rgb tintOf(const QString &text) {
    return wavelengthToRgb(readInteger(text.toStdString()).value_or(500));
}

} // namespace

TForm7::TForm7(QWidget *parent)
    : TDemoForm(frame(tr("Кольца Ньютона"), 624, 592, Placement::Fixed, QPoint(282, 101)), parent) {
    PageControl1 = addControl(new QTabWidget(this), "PageControl1");
    setAlign(PageControl1, Align::Client);
    TabSheet1 = addControl(new QWidget, "TabSheet1");
    TabSheet2 = addControl(new QWidget, "TabSheet2");
    PageControl1->addTab(TabSheet1, tr("Схема эксперимента"));
    PageControl1->addTab(TabSheet2, tr("Моделирование"));
    RingsPicture = std::make_shared<TNewtonPicture>(); // buildModel hands it to the overlay
    buildScheme();
    buildModel();
    VideoTimer = new QTimer(this);
    VideoTimer->setSingleShot(true);
    VideoTimer->setInterval(300);
    connect(VideoTimer, &QTimer::timeout, this, &TForm7::MediaPlayer1Notify);
    connect(PageControl1, &QTabWidget::currentChanged, VideoTimer, qOverload<>(&QTimer::start));
    connect(MediaPlayer1, &TVideoPanel::ended, this, &TForm7::MediaPlayer1Notify);
    describePicture(Image1,
                    tr("Кольца Ньютона в отражённом свете; рассчитываются кнопкой «Расчет»."));
}

void TForm7::buildScheme() {
    Panel4 = whitePanel(TabSheet1, "Panel4");
    setAlign(Panel4, Align::Client);
    Image3 = addControl(new TImage(Panel4), "Image3", QRect(0, 24, 209, 201));
    Image2 = addControl(new TImage(Panel4), "Image2", QRect(23, 247, 450, 250));
    onFirstShow([this] {
        Image3->Bitmap = drawRingApparatus(QSize(209, 201));
        Image2->Bitmap = drawNewtonGeometry(QSize(450, 250));
    });
    Panel3 = whitePanel(Panel4, "Panel3");
    Panel3->setGeometry(216, 0, 260, 230);
    MediaPlayer1 = addControl(new TVideoPanel(Panel3), "MediaPlayer1");
    setAlign(MediaPlayer1, Align::Client);
}

void TForm7::buildModel() {
    Panel2 = addControl(new TPanel(TabSheet2), "Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->resize(100, 86);
    setAlign(Panel2, Align::Bottom);
    Panel1 = addControl(new TPanel(TabSheet2), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlign(Panel1, Align::Client);
    Image1 = addControl(new TImage(Panel1), "Image1");
    attachOverlay(Image1)->setHint(tr("Нажмите «Расчет»"));
    attachOverlay(Image1)->setProvider(RingsPicture.get());
    ScrollBar1 = scrollBar(Panel1, "ScrollBar1", Qt::Horizontal);
    ScrollBar2 = scrollBar(Panel1, "ScrollBar2", Qt::Vertical);
    connect(Panel1, &TPanel::resized, this, &TForm7::Panel1Resize);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm7::Panel1Resize);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TForm7::Panel1Resize);
    buildInputs();
    Computation = new TBackgroundComputation(this);
    connect(Computation, &TBackgroundComputation::runningChanged, this,
            [this](bool on) { setBusy(on); });
    connect(Computation, &TBackgroundComputation::failed, this,
            [this] { showFailure(tr("Не хватило памяти для расчета.")); });
    connect(Computation, &TBackgroundComputation::progressChanged, ProgressBar1,
            &QProgressBar::setValue);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
}

TForm7::~TForm7() {
    // Stopping the clip blocks for about 0.3 s (the decoder waits for this
    // thread to take a frame); the worker winds down meanwhile, so the join
    // that follows is short.
    Computation->cancel();
    delete MediaPlayer1;
    MediaPlayer1 = nullptr;
    delete Computation;
}

void TForm7::buildInputs() {
    QWidget *p = Panel2;
    Label1 = addLabel(p, "Label1", tr("Радиус кривизны линзы, м:"), QPoint(8, 12));
    Edit1 = addEdit(p, "Edit1", QStringLiteral("10"), QRect(176, 8, 89, 21));
    Label2 = addLabel(p, "Label2", tr("Радиус линзы, м:"), QPoint(8, 38));
    Edit2 = addEdit(p, "Edit2", QStringLiteral("0.01"), QRect(176, 34, 89, 21));
    Label3 = addLabel(p, "Label3", tr("Шаг расчета, м:"), QPoint(280, 12));
    Edit3 = addEdit(p, "Edit3", QStringLiteral("0.000035"), QRect(400, 8, 89, 21));
    Label4 = addLabel(p, "Label4", tr("Длина волны, нм:"), QPoint(280, 38));
    Edit4 = addEdit(p, "Edit4", QStringLiteral("500"), QRect(400, 34, 89, 21));
    CheckBox1 = addCheckBox(p, "CheckBox1", tr("Цветной свет"), QPoint(8, 60), true);
    Button1 = addButton(p, "Button1", tr("Расчет"), QRect(504, 8, 97, 47));
    ProgressBar1 = addControl(new QProgressBar(p), "ProgressBar1", QRect(176, 62, 425, 14));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
}

bool TForm7::isBusy() const {
    return Computation->isRunning();
}

void TForm7::FormShow() {
    // The clip is opened when the window is first shown: nobody waits for
    // the media framework at start-up. Its frames carry the wavelength in words.
    if (!videoOpened) {
        videoOpened = true;
        MediaPlayer1->open(localisedResource(dataFilePath(QStringLiteral("newton.avi"))));
    }
    VideoTimer->start();
}

void TForm7::MediaPlayer1Notify() {
    QMediaPlayer *player = MediaPlayer1->player();
    if (!player || MediaPlayer1->failed()) return;
    if (!isVisible() || PageControl1->currentIndex() != 0) return;
    if (player->playbackState() == QMediaPlayer::PlayingState) return;
    if (player->mediaStatus() == QMediaPlayer::EndOfMedia) player->setPosition(0);
    player->play();
}

void TForm7::hideEvent(QHideEvent *event) {
    TDemoForm::hideEvent(event);
    // The clip plays only while it can be seen; showing again resumes it.
    VideoTimer->stop();
    if (QMediaPlayer *player = MediaPlayer1->player();
        player && player->playbackState() == QMediaPlayer::PlayingState)
        player->pause();
}

void TForm7::placeScrollBars() {
    const QRect r = Panel1->contentsRect();
    ScrollBar1->setGeometry(r.left(), r.bottom() + 1 - kScrollBarThickness,
                            r.width() - kScrollBarThickness, kScrollBarThickness);
    ScrollBar2->setGeometry(r.right() + 1 - kScrollBarThickness, r.top(), kScrollBarThickness,
                            r.height() - kScrollBarThickness);
    ScrollBar1->raise();
    ScrollBar2->raise();
}

void TForm7::Panel1Resize() {
    placeScrollBars();
    const int W = Panel1->width(), H = Panel1->height();
    // Before the first rings the empty picture fills the panel, for its hint.
    if (Image1->Bitmap.isNull()) return Image1->setGeometry(Panel1->contentsRect());
    const int w = Image1->Bitmap.width(), h = Image1->Bitmap.height();
    int left = (W - w) / 2, top = (H - h) / 2;
    if (w > W) left -= (ScrollBar1->value() - 500) * (w - W) / 1000;
    if (h > H) top -= (ScrollBar2->value() - 500) * (h - H) / 1000;
    Image1->setGeometry(left, top, w, h);
}

void TForm7::Prepare(int n) {
    RingCount = n;
    {
        const QSignalBlocker b1(ScrollBar1), b2(ScrollBar2);
        ScrollBar1->setValue(500);
        ScrollBar2->setValue(500);
    }
    Image1->Bitmap = QImage(2 * n, 2 * n, QImage::Format_RGB32);
    Image1->Bitmap.fill(Qt::black);
    Panel1Resize();
    Image1->update();
}

void TForm7::DrawRings(QImage &picture) {
    if (picture.isNull()) {
        showFailure(problemText(NewtonProblem::TooLarge, RingCount));
    } else {
        Image1->Bitmap = std::move(picture);
        TOverlay::of(Image1)->setHint({});
    }
    Image1->update();
    setBusy(false);
}

void TForm7::Button1Click() {
    if (isBusy()) return;
    // Read leniently, like every window's inputs, in extended precision.
    const NewtonInputs in{readNumberExtended(Edit1->text()), readNumberExtended(Edit2->text()),
                          readNumberExtended(Edit3->text()), readNumberExtended(Edit4->text())};
    if (const NewtonProblem problem = checkNewtonInputs(in); problem != NewtonProblem::None) {
        showFailure(problemText(problem, newtonRingCount(in.a, in.h)));
        return;
    }
    const int n = static_cast<int>(newtonRingCount(in.a, in.h));
    Prepare(n);
    if (Image1->Bitmap.isNull()) {
        showFailure(problemText(NewtonProblem::TooLarge, n));
        return;
    }
    // Profile and picture are made on the worker: a 6000 x 6000 picture
    // would hold the user-interface thread for seconds. The panel is
    // disabled meanwhile, so the colour read now is the one at the end.
    const bool coloured = CheckBox1->isChecked();
    const Rgb colour = coloured ? tintOf(Edit4->text()) : Rgb{255, 255, 255};
    Computation->start<RingsResult>(
        [in, n, coloured, colour](RunControl &control) {
            RingsResult r;
            r.levels = computeNewtonRings(in);
            QImage picture(2 * n, 2 * n, QImage::Format_RGB32);
            if (picture.isNull() || control.cancelled()) return r;
            picture.fill(Qt::black);
            Canvas canvas(picture);
            drawNewtonRings(
                canvas, r.levels, coloured, colour,
                [&control](int p) {
                    control.percent(p);
                    return !control.cancelled();
                },
                &control.cancelFlag());
            r.picture = std::move(picture);
            return r;
        },
        [this, in](RingsResult &r) {
            if (!r.picture.isNull()) RingsPicture->setRings(in, r.levels);
            DrawRings(r.picture);
        });
}

void TForm7::setBusy(bool on) {
    Panel2->setEnabled(!on);
    Button1->setEnabled(!on);
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(on);
}

void TForm7::showFailure(const QString &text) {
    MessageBox1 = showMessage(this, QMessageBox::Warning, tr("Кольца Ньютона"), text);
}
