#include "waves/spectrometer/Unit8.h"

#include "canvas/Canvas.h"
#include "canvas/Colours.h"
#include "waves/spectrometer/GratingPictures.h"
#include "waves/spectrometer/SpectrometerPicture.h"
#include "waves/spectrometer/SpectrometerScene.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/DataFiles.h"
#include "widgets/Overlay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QStyleOptionProgressBar>
#include <QStylePainter>
#include <QTabWidget>
#include <QTimer>

TForm8 *Form8 = nullptr;

namespace {
// Calls `action` when the watched widget is resized.
class OnResize : public QObject {
  public:
    OnResize(QObject *parent, std::function<void()> act)
        : QObject(parent), action(std::move(act)) {}
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Resize) action();
        return false;
    }

  private:
    std::function<void()> action;
};

// With every order off the bar's maximum is 0. The style would show that
// as an endless "busy" animation; the bar shows an empty track instead.
class EmptyWhenZero : public QProgressBar {
  public:
    using QProgressBar::QProgressBar;

  protected:
    void paintEvent(QPaintEvent *event) override {
        if (minimum() != maximum()) {
            QProgressBar::paintEvent(event);
            return;
        }
        QStyleOptionProgressBar option;
        initStyleOption(&option);
        option.maximum = 1;
        option.progress = 0;
        QStylePainter painter(this);
        painter.drawControl(QStyle::CE_ProgressBar, option);
    }
};
// The titles of the spectrum.ini shipped with the program, known to the
// translations; a title someone adds to the file shows as written.
[[maybe_unused]] constexpr const char *kShippedTitles[] = {
    QT_TRANSLATE_NOOP("TForm8", "Водород (H)"), QT_TRANSLATE_NOOP("TForm8", "Гелий (He)"),
    QT_TRANSLATE_NOOP("TForm8", "Натрий (Na)"), QT_TRANSLATE_NOOP("TForm8", "Неон (Ne)"),
    QT_TRANSLATE_NOOP("TForm8", "Ртуть (Hg)"),  QT_TRANSLATE_NOOP("TForm8", "Кадмий (Cd)"),
};
} // namespace

TForm8::TForm8(QWidget *parent)
    : TDemoForm(frame(tr("Спектрометр на дифракционной решетке. Демонстрация спектров атомов."),
                      691, 517),
                parent) {
    Readout = std::make_shared<TSpectrometerPicture>(this);
    PageControl1 = addControl(new QTabWidget(this), "PageControl1");
    setAlign(PageControl1, Align::Client);
    TabSheet1 = addControl(new QWidget, "TabSheet1");
    TabSheet2 = addControl(new QWidget, "TabSheet2");
    PageControl1->addTab(TabSheet1, tr("Дифракционная решетка"));
    PageControl1->addTab(TabSheet2, tr("Моделирование"));
    // A hidden page hears of its new size only when shown; the spectrum's
    // page is sized along at once so that its redraw follows every resize.
    QWidget *pages = TabSheet1->parentWidget();
    pages->installEventFilter(new OnResize(this, [this, pages] { sizeHiddenPage(pages->size()); }));
    buildPictures();
    buildControls();
    FormCreate();
    describePicture(
        Image1,
        tr("Спектрометр с дифракционной решёткой и линейчатый спектр выбранного источника."));
}

void TForm8::buildPictures() {
    Panel2 = addControl(new TPanel(TabSheet1), "Panel2");
    Panel2->setFrameStyle(QFrame::NoFrame);
    Panel2->setAutoFillBackground(true);
    QPalette pal = Panel2->palette();
    pal.setColor(QPalette::Window, Qt::white);
    Panel2->setPalette(pal);
    setAlign(Panel2, Align::Client);
    Image2 = addControl(new TImage(Panel2), "Image2", QRect(0, 0, 300, 200));
    Image4 = addControl(new TImage(Panel2), "Image4", QRect(0, 200, 300, 250));
    Image3 = addControl(new TImage(Panel2), "Image3", QRect(300, 0, 370, 450));
    Image3->Stretch = true;
    onFirstShow([this] {
        Image2->Bitmap = drawGratingUnderGlass(QSize(300, 200));
        Image4->Bitmap = drawGratingFocusing(QSize(300, 250));
        Image3->Bitmap = drawGratingPathDifference(QSize(370, 450));
    });
    // The right picture stretches over what the two on the left leave.
    connect(Panel2, &TPanel::resized, this, [this] {
        Image3->setGeometry(300, 0, std::max(0, Panel2->width() - 300), Panel2->height());
    });
}

void TForm8::buildControls() {
    Panel3 = addControl(new TPanel(TabSheet2), "Panel3");
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->resize(100, 41);
    setAlign(Panel3, Align::Bottom);
    surface = new RaySurface(TabSheet2, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    attachOverlay(Image1);
    attachOverlay(Image1)->setProvider(Readout.get());
    surface->setDeferred(true);
    surface->redraw = [this] { DrawScene(); };
    Timer1 = surface->redrawTimer();
    connect(Panel1, &TPanel::resized, this, &TForm8::drawAtFirstLayout);

    QWidget *p = Panel3;
    Label1 = addLabel(p, "Label1", tr("Спектр:"), QPoint(8, 13));
    ComboBox1 = addControl(new QComboBox(p), "ComboBox1", QRect(60, 9, 150, 21));
    CheckBox1 = addCheckBox(p, "CheckBox1", tr("0й порядок"), QPoint(224, 11), true);
    CheckBox2 = addCheckBox(p, "CheckBox2", tr("1й порядок"), QPoint(320, 11), true);
    CheckBox3 = addCheckBox(p, "CheckBox3", tr("2й порядок"), QPoint(416, 11), false);
    ProgressBar1 = addControl(new EmptyWhenZero(p), "ProgressBar1", QRect(512, 12, 160, 17));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    for (QCheckBox *c : {CheckBox1, CheckBox2, CheckBox3})
        connect(c, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
}

void TForm8::sizeHiddenPage(QSize size) {
    if (TabSheet2->isVisible() || TabSheet2->size() == size || size.isEmpty()) return;
    TabSheet2->resize(size);
    realign(TabSheet2);
    realign(Panel1);
    if (Image1->Bitmap.size() == Panel1->size()) return;
    Image1->setBitmapSize(Panel1->width(), Panel1->height());
    Timer1->start();
    drawAtFirstLayout();
}

void TForm8::drawAtFirstLayout() {
    // The page is laid out only when the window first shows: that size is
    // the one the first picture belongs to, drawn at once like at creation.
    if (laidOut || !isVisible() || Panel1->width() <= 2 || Panel1->height() <= 2) return;
    laidOut = true;
    Timer1->stop();
    DrawScene();
    Image1->update();
}

void TForm8::FormCreate() {
    SourceColor = kWhiteColourNumber;
    surface->background = Qt::black;
    {
        const QSignalBlocker quiet(ComboBox1);
        OpenSpectra(dataFilePath(QStringLiteral("spectrum.ini")));
    }
    surface->setUp();
}

void TForm8::OpenSpectra(const QString &path) {
    spectraPath = path;
    spectraStamp.clear();
    const IniFile &ini = currentSpectra();
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    ComboBox1->addItem(tr("Белый"));
    for (const std::string &title : readSpectrumTitles(ini))
        ComboBox1->addItem(tr(title.c_str()));
    ComboBox1->setCurrentIndex(0);
    Source = {};
    SourceColor = kWhiteColourNumber;
}

const IniFile &TForm8::currentSpectra() {
    // A file of megabytes takes a while to read: choosing a source reads it
    // again only when its size or time stamp says it was changed since.
    const QFileInfo info(spectraPath);
    const QString stamp =
        info.exists()
            ? QStringLiteral("%1 %2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch())
            : QString();
    if (stamp != spectraStamp || stamp.isEmpty()) {
        spectra = IniFile::load(spectraPath.toStdString());
        spectraStamp = stamp;
    }
    return spectra;
}

void TForm8::ComboBox1Change() {
    // The ranges are those of the file as it is now.
    Source = readSpectrumSource(currentSpectra(), std::max(0, ComboBox1->currentIndex()));
    SourceColor = Source.colour;
    DrawScene();
    Image1->update();
}

void TForm8::CheckBox1Click() {
    DrawScene();
    Image1->update();
}

void TForm8::DrawScene() {
    if (Image1->Bitmap.isNull()) return; // a page not laid out yet
    SpectrometerParams p;
    p.imageWidth = Image1->width();
    p.imageHeight = Image1->height();
    p.panelWidth = Panel1->width();
    p.panelHeight = Panel1->height();
    p.sourceColour = fromColourNumber(SourceColor & 0xFFFFFFu);
    p.background = surface->background;
    p.zerothOrder = CheckBox1->isChecked();
    p.firstOrder = CheckBox2->isChecked();
    p.secondOrder = CheckBox3->isChecked();
    p.whiteLight = ComboBox1->currentIndex() <= 0;
    p.source = Source;
    p.firstDrawing = !drawnOnce;
    drawnOnce = true;
    SpectrometerProgress progress;
    progress.start = [this](int maximum) {
        ProgressBar1->setRange(0, maximum);
        ProgressBar1->setValue(0);
    };
    progress.advance = [this](int position) { ProgressBar1->setValue(position); };
    Canvas canvas(Image1->Bitmap);
    drawSpectrometerScene(canvas, p, progress);
}
