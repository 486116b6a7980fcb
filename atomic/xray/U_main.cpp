#include "atomic/xray/U_main.h"

#include "atomic/xray/Break_x.h"
#include "atomic/xray/XrayPicture.h"
#include "atomic/xray/XrayPictures.h"
#include "atomic/xray/XraySpectrumPlot.h"
#include "canvas/Canvas.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/KeyboardDrag.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <chrono>

Tform_Main *form_Main = nullptr;

namespace {

QString unknownName() {
    return QCoreApplication::translate("Tform_Main", "Неизвестный");
}

FrameInfo frameInfo() {
    FrameInfo info = frame(QCoreApplication::translate(
                               "Tform_Main", "Тормозной и характеристический рентгеновский спектр"),
                           766, 501, Placement::TopLeft);
    info.fontPixels = 10;
    return info;
}

// A picture that lets what lies under it show through and ignores the mouse.
class TransparentImage : public QWidget {
  public:
    TransparentImage(QSize size, QWidget *parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(size);
    }
    void setPicture(const QImage &picture) {
        image = picture;
        update();
    }

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.drawImage(0, 0, image);
    }

  private:
    QImage image;
};

TImage *pictureAt(QPoint at, QSize size, QWidget *parent) {
    auto *image = new TImage(parent);
    image->setGeometry(QRect(at, size));
    return image;
}

} // namespace

Tform_Main::Tform_Main(QWidget *parent) : TDemoForm(frameInfo(), parent) {
    fadeOnClose = false;
    Readout = std::make_shared<TXrayPicture>(&State);
    setMinimumSize(500 - kFrameExtraWidth, 350 - kFrameExtraHeight);
    setWindowIcon(QIcon(QPixmap::fromImage(drawXrayIcon())));

    sb_Main = addControl(new QStatusBar(this), "sb_Main");
    sb_Main->setSizeGripEnabled(false);
    sb_Main->resize(width(), 19);
    for (int i = 0; i < 2; ++i) {
        statusPanels[i] = new QLabel(sb_Main);
        statusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    statusPanels[0]->setFixedWidth(400);
    // The last panel takes the rest of the bar.
    sb_Main->addWidget(statusPanels[0]);
    sb_Main->addWidget(statusPanels[1], 1);
    setAlign(sb_Main, Align::Bottom);

    PageControl1 = addControl(new QTabWidget(this), "PageControl1");
    setAlign(PageControl1, Align::Client);
    buildTubePage();
    buildSpectrumPage();
    FormCreate();
    describePicture(im_Graphics,
                    tr("График тормозного и характеристического рентгеновского спектра "
                       "выбранного анода при заданном напряжении."));
}

void Tform_Main::buildTubePage() {
    TabSheet1 = addControl(new QWidget, "TabSheet1");
    TabSheet1->setAutoFillBackground(true);
    QPalette pal = TabSheet1->palette();
    pal.setColor(QPalette::Window, Qt::white);
    TabSheet1->setPalette(pal);
    PageControl1->addTab(TabSheet1, tr("Рентгеновская трубка"));
    Image3 = addControl(pictureAt({0, 0}, kTubeDiagramSize, TabSheet1), "Image3");
    Image4 = addControl(pictureAt({544, 8}, kTubeOnStandSize, TabSheet1), "Image4");
    onFirstShow([this] {
        Image3->Bitmap = drawTubeDiagram().convertToFormat(QImage::Format_RGB32);
        Image4->Bitmap = drawTubeOnStand().convertToFormat(QImage::Format_RGB32);
    });
}

void Tform_Main::buildSpectrumPage() {
    TabSheet2 = addControl(new QWidget, "TabSheet2");
    PageControl1->addTab(TabSheet2, tr("Расчет спектров"));

    Panel1 = addControl(new TPanel(TabSheet2), "Panel1");
    Panel1->setFrameStyle(QFrame::NoFrame);
    Panel1->resize(170, Panel1->height());
    setAlign(Panel1, Align::Left);
    buildControls(Panel1);

    Panel2 = addControl(new TPanel(TabSheet2), "Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setAutoFillBackground(true);
    QPalette pal = Panel2->palette();
    pal.setColor(QPalette::Window, Qt::white);
    Panel2->setPalette(pal);
    setAlign(Panel2, Align::Client);
    buildPicture(Panel2);
}

void Tform_Main::buildControls(QWidget *parent) {
    GroupBox1 = addControl(new QGroupBox(tr("Получить спектр"), parent), "GroupBox1",
                           QRect(3, 5, 164, 204));
    // One line high and on its top, so the caption stays clear of the box
    // below it.
    Label1 = addLabel(GroupBox1, "Label1", tr("Элемент"), QRect(16, 20, 100, 13));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cb_Elements = addControl(new QComboBox(GroupBox1), "cb_Elements", QRect(16, 33, 131, 21));
    setHint(cb_Elements, tr("Элемент"));

    GroupBox3 =
        addControl(new QGroupBox(tr("Напряжение"), GroupBox1), "GroupBox3", QRect(8, 60, 145, 72));
    Voltage_lb = addLabel(GroupBox3, "Voltage_lb", tr("V = 11000 В"), QRect(26, 20, 110, 14));
    Voltage_Track =
        addControl(new QSlider(Qt::Horizontal, GroupBox3), "Voltage_Track", QRect(12, 39, 121, 27));
    Voltage_Track->setRange(0, 10);
    Voltage_Track->setPageStep(2);
    Voltage_Track->setTickPosition(QSlider::TicksBelow);
    Voltage_Track->setTickInterval(1);
    setHint(Voltage_Track, tr("Напряжение"));
    connect(Voltage_Track, &QSlider::valueChanged, this, &Tform_Main::Voltage_TrackChange);

    BitBtn1 = addButton(GroupBox1, "BitBtn1", tr("Получить"), QRect(28, 144, 107, 25));
    BitBtn1->setIcon(QIcon(QPixmap::fromImage(drawDrawGlyph())));
    BitBtn1->setDefault(true);
    setHint(BitBtn1, tr("Получить спектр"));
    connect(BitBtn1, &QPushButton::clicked, this, &Tform_Main::BitBtn1Click);
    // Enter presses the default button wherever the focus is.
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto *enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, BitBtn1, &QPushButton::click);
    }
    BitBtn2 = addButton(GroupBox1, "BitBtn2", tr("Очистить"), QRect(28, 172, 107, 25));
    BitBtn2->setIcon(QIcon(QPixmap::fromImage(drawClearGlyph())));
    connect(BitBtn2, &QPushButton::clicked, this, &Tform_Main::BitBtn2Click);
    buildList(parent);
}

void Tform_Main::buildList(QWidget *parent) {
    ListView1 = addControl(new QTableWidget(0, 2, parent), "ListView1");
    ListView1->setHorizontalHeaderLabels({tr("Элемент"), tr("V, кВ")});
    ListView1->setColumnWidth(0, 115);
    ListView1->verticalHeader()->hide();
    ListView1->horizontalHeader()->setSectionsClickable(false);
    ListView1->setColumnWidth(1, 50);
    ListView1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ListView1->setShowGrid(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setFont(pixelFont(13, true));
    // Headers in the window's font, so that "V, кВ" fits its narrow column.
    QFont header = font();
    header.setBold(false); // explicitly, or the list's bold would pass on
    ListView1->horizontalHeader()->setFont(header);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->verticalHeader()->setDefaultSectionSize(19);
    // Below the group box, down to the bottom of the panel.
    connect(static_cast<TPanel *>(parent), &TPanel::resized, this, [this, parent] {
        const int top = GroupBox1->geometry().bottom() + 5;
        ListView1->setGeometry(3, top, 164, std::max(0, parent->height() - top - 3));
    });
}

void Tform_Main::buildPicture(QWidget *parent) {
    ScrollBar = addControl(new QScrollBar(Qt::Horizontal, parent), "ScrollBar");
    ScrollBar->resize(ScrollBar->width(), 16);
    ScrollBar->setPageStep(10);
    ScrollBar->setEnabled(false);
    setHint(ScrollBar, tr("Измерение длины волны."));
    setAlign(ScrollBar, Align::Bottom);
    im_Graphics = addControl(new TImage(parent), "im_Graphics");
    attachOverlay(im_Graphics);
    Readout->setImage(im_Graphics);
    attachOverlay(im_Graphics)->setProvider(Readout.get());
    setAlign(im_Graphics, Align::Client);
    im_Graphics->installEventFilter(this);
    auto *symbolY = new TransparentImage(kIntensitySymbolSize, parent);
    auto *symbolX = new TransparentImage(kWavelengthSymbolSize, parent);
    im_Y = addControl(symbolY, "im_Y", QRect(QPoint(5, 5), kIntensitySymbolSize));
    im_X = addControl(symbolX, "im_X");
    onFirstShow([symbolY, symbolX] {
        symbolY->setPicture(drawIntensitySymbol());
        symbolX->setPicture(drawWavelengthSymbol());
    });
    connect(ScrollBar, &QScrollBar::valueChanged, this, &Tform_Main::ScrollBarScroll);
    // The arrows move the marker the way the scroll bar's thumb does.
    TKeyboardDrag::Object marker;
    marker.move = [this](QPoint d) {
        if (ScrollBar->isEnabled())
            ScrollBar->setSliderPosition(ScrollBar->sliderPosition() + d.x());
    };
    marker.frame = [this] {
        return QRect(Break_x::MarkerX(ScrollBar->sliderPosition()) - 3, 0, 7,
                     im_Graphics->height());
    };
    keys = new TKeyboardDrag(im_Graphics, {marker});
}

// "Short|Long": the short part as tooltip, the long part in the status bar.
void Tform_Main::setHint(QWidget *w, const QString &hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    w->setToolTip(bar < 0 ? hint : hint.left(bar));
    w->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

void Tform_Main::FormCreate() {
    random.seed(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    setHint(im_Graphics, tr("Спектр | Зависимость спектральной плотности интенсивности от длины "
                            "волны"));
    QStringList items =
        QString::fromStdString(Break_x::GetElementsList()).split(QStringLiteral("\r\n"));
    items.removeAll(QString());
    std::sort(items.begin(), items.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    items.append(unknownName());
    cb_Elements->addItems(items);
    cb_Elements->setCurrentIndex(0);
    connect(cb_Elements, &QComboBox::currentIndexChanged, this, &Tform_Main::cb_ElementsChange);
    // The white bitmap of the graph (0.8 MiB) waits for the window to show.
    onFirstShow([this] { FormResize(); });
    State.V = 11000;
    Old_Value = 0;
}

bool Tform_Main::event(QEvent *e) {
    if (e->type() == QEvent::StatusTip) {
        statusPanels[0]->setText(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
    return TDemoForm::event(e);
}

// The picture follows the window through the alignment of its parents, so
// its own size changes drive the resize handling.
bool Tform_Main::eventFilter(QObject *watched, QEvent *e) {
    if (watched == im_Graphics && e->type() == QEvent::Resize) FormResize();
    return TDemoForm::eventFilter(watched, e);
}

QString Tform_Main::statusText(int panel) const {
    if (panel < 1 || panel > 2) return QString();
    return statusPanels[panel - 1]->text();
}

QColor Tform_Main::ListView1AdvancedCustomDrawItem(int row) const {
    const QTableWidgetItem *item = ListView1->item(row, 0);
    return item ? item->foreground().color() : QColor();
}

void Tform_Main::Voltage_TrackChange() {
    State.V = 11000 + 10400 * Voltage_Track->value();
    Voltage_lb->setText(tr("V = %1 В").arg(State.V));
}

void Tform_Main::cb_ElementsChange() {
    if (cb_Elements->currentText() != unknownName()) return;
    std::uniform_int_distribution<int> pick(0, 5);
    UnknownElement = static_cast<std::uint8_t>(Break_x::kFirstHidden + pick(random));
}

void Tform_Main::BitBtn1Click() {
    const QString text = cb_Elements->currentText();
    const QColor colour = Break_x::GraphQColor(State.CurColor);
    const int row = ListView1->rowCount();
    ListView1->insertRow(row);
    auto *name = new QTableWidgetItem(text);
    auto *volts = new QTableWidgetItem(QString::number(State.V / 1000));
    name->setForeground(colour);
    volts->setForeground(colour);
    ListView1->setItem(row, 0, name);
    ListView1->setItem(row, 1, volts);

    const int index =
        text != unknownName() ? Break_x::FindElement(text.left(2).toStdString()) : UnknownElement;
    Readout->addCurve(index, State.V, text);
    QImage &bitmap = im_Graphics->Bitmap;
    Canvas canvas(bitmap);
    if (!Break_x::DrawRadiationGraphic(State, static_cast<std::uint8_t>(index), canvas,
                                       bitmap.width(), bitmap.height()))
        QMessageBox::critical(this, tr("Ошибка"), tr("Ошибка в данных!"), QMessageBox::Ok);
    ScrollBar->setEnabled(true);
    if (WasLine) {
        drawMarker();
        WasLine = false;
    }
    showWavelength();
    im_Graphics->update();
}

void Tform_Main::BitBtn2Click() {
    QImage &bitmap = im_Graphics->Bitmap;
    Canvas canvas(bitmap);
    Break_x::ResetGraphics(State, canvas, bitmap.width(), bitmap.height());
    ListView1->setRowCount(0);
    Readout->clear();
    WasLine = false;
    im_Graphics->update();
}

void Tform_Main::ScrollBarScroll(int position) {
    if (WasLine) drawMarker();
    Old_Value = static_cast<std::uint16_t>(std::clamp(position, 0, 65535));
    drawMarker();
    WasLine = true;
    showWavelength();
    im_Graphics->update();
}

void Tform_Main::drawMarker() {
    QImage &bitmap = im_Graphics->Bitmap;
    Canvas canvas(bitmap);
    Break_x::DrawMarker(canvas, Old_Value, bitmap.height());
}

void Tform_Main::showWavelength() {
    if (State.kx == 0) return;
    statusPanels[1]->setText(
        tr("Длина волны: %1 Ангстрем")
            .arg(QString::fromStdString(Break_x::FormatWavelength(Old_Value / State.kx))));
}

void Tform_Main::FormResize() {
    const int w = im_Graphics->width();
    const int h = im_Graphics->height();
    // Old_Value holds 16 bits; the range never reaches below the axis.
    ScrollBar->setMaximum(std::clamp(w - 20, 0, 65535));
    im_Graphics->setBitmapSize(w, h);
    im_X->move(im_Graphics->x() + w - im_X->width() - 4, im_Graphics->y() + h - im_X->height() - 8);
}
