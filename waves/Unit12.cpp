#include "waves/Unit12.h"

#include "app/Align.h"
#include "app/Csafespinedit.h"
#include "app/NumberText.h"
#include "app/Surface.h"
#include "waves/GraphPanel.h"
#include "waves/InterferenceScheme.h"
#include "waves/SourcePanel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

TForm12 *Form12 = nullptr;

namespace {
// A worker's message to the window; a result event owns its buffer, so one
// that is never delivered still gives the memory back.
struct InterferenceEvent : QEvent {
    explicit InterferenceEvent(int type) : QEvent(QEvent::Type(type)) {}
    MappedSamples buffer;
    int value = 0; // count, busy flag or progress
    double ymax = 0;
    QString text;
};

void post(QObject *to, int type, int value) {
    auto *e = new InterferenceEvent(type);
    e->value = value;
    QCoreApplication::postEvent(to, e);
}

QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y, int w = 130) {
    return place(new QLabel(text, parent), name, x, y + 3, w, 15);
}

QLineEdit *edit(QWidget *parent, const char *name, const QString &text, int x, int y, int w) {
    auto *e = place(new QLineEdit(text, parent), name, x, y, w, 21);
    e->setCursorPosition(0);
    return e;
}
} // namespace

TForm12::TForm12(QWidget *parent)
    : TDemoForm(frame(QStringLiteral(
                          "Интерференция от точечных источников. Общая интерференционная схема."),
                      552, 502, Placement::Fixed, QPoint(214, 122)),
                parent) {
    // Numbers are written and read with "." in every window.
    QLocale::setDefault(QLocale::c());
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setAlign(PageControl1, Align::Client);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Схема опыта"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Моделирование"));
    buildScheme();
    buildControls();
}

TForm12::~TForm12() {
    // The worker posts to this window: stop it before the window goes.
    cancel = true;
    if (worker.joinable()) worker.join();
}

void TForm12::buildScheme() {
    Image1 = new QLabel(TabSheet1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QPixmap::fromImage(drawInterferenceScheme()));
    setAlign(Image1, Align::Client);
}

void TForm12::buildControls() {
    SourcePanel1 = new TSourcePanel(TabSheet2);
    SourcePanel1->setObjectName(QStringLiteral("SourcePanel1"));
    SourcePanel1->resize(100, 20);
    setAlign(SourcePanel1, Align::Top);
    Panel1 = new TPanel(TabSheet2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->resize(100, 155);
    setAlign(Panel1, Align::Bottom);
    GraphPanel1 = new TGraphPanel(TabSheet2);
    GraphPanel1->setObjectName(QStringLiteral("GraphPanel1"));
    GraphPanel1->setCursor(Qt::CrossCursor);
    setAlign(GraphPanel1, Align::Client);
    GraphPanel1->VerticalScale = 0.01L;
    buildInputs();

    SourcePanel1->StatusLabel = Label1;
    SourcePanel1->Brightness = CSpinEdit1;
    GraphPanel1->StatusLabel = Label2;
    GraphPanel1->VerticalEdit = Edit4;
    GraphPanel1->HorizontalEdit = Edit6;
    connect(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm12::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm12::SpeedButton2Click);
}

// The inputs, scales, status and button on the bottom panel.
void TForm12::buildInputs() {
    QWidget *p = Panel1;
    label(p, "Label4", QStringLiteral("Длина волны:"), 8, 8);
    Edit5 = edit(p, "Edit5", QStringLiteral("5000"), 148, 8, 72);
    label(p, "Label5", QStringLiteral("нм"), 224, 8, 30);
    label(p, "Label7", QStringLiteral("Расстояние до экрана="), 8, 34, 140);
    Edit1 = edit(p, "Edit1", QStringLiteral("1"), 148, 34, 72);
    label(p, "Label8", QStringLiteral("м"), 224, 34, 30);
    label(p, "Label9", QStringLiteral("Y максимальное="), 8, 60);
    Edit2 = edit(p, "Edit2", QStringLiteral("0.5"), 148, 60, 72);
    label(p, "Label11", QStringLiteral("м"), 224, 60, 30);
    label(p, "Label10", QStringLiteral("Шаг Y="), 8, 86);
    Edit3 = edit(p, "Edit3", QStringLiteral("0.0001"), 148, 86, 72);
    label(p, "Label12", QStringLiteral("м"), 224, 86, 30);

    label(p, "Label3", QStringLiteral("Масштаб верт.="), 262, 8, 110);
    Edit4 = edit(p, "Edit4", QStringLiteral("0.0008"), 372, 8, 120);
    SpeedButton1 = place(new QToolButton(p), "SpeedButton1", 496, 8, 23, 21);
    SpeedButton1->setText(QStringLiteral("#"));
    label(p, "Label13", QStringLiteral("Масштаб гориз.="), 262, 34, 110);
    Edit6 = edit(p, "Edit6", QStringLiteral("1.0"), 372, 34, 120);
    SpeedButton2 = place(new QToolButton(p), "SpeedButton2", 496, 34, 23, 21);
    SpeedButton2->setText(QStringLiteral("#"));
    Label1 = label(p, "Label1", QStringLiteral("Позиция источника"), 262, 60, 130);
    ComboBox1 = place(new QComboBox(p), "ComboBox1", 396, 60, 96, 21);
    ComboBox1->addItems(
        {QStringLiteral("НМ"), QStringLiteral("МКМ"), QStringLiteral("ММ"), QStringLiteral("М")});
    ComboBox1->setCurrentIndex(1);
    label(p, "Label6", QStringLiteral("Яркость:"), 262, 86, 110);
    CSpinEdit1 = place(new TCSpinEdit(p), "CSpinEdit1", 396, 86, 96, 21);
    CSpinEdit1->setMinValue(0);
    CSpinEdit1->setMaxValue(255);
    CSpinEdit1->setValue(255);

    Label2 = label(p, "Label2", QString(), 8, 112, 250);
    ProgressBar1 = place(new QProgressBar(p), "ProgressBar1", 8, 130, 250, 16);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    Button1 = place(new QPushButton(QStringLiteral("Расчет"), p), "Button1", 396, 118, 96, 27);
}

void TForm12::Button1Click() {
    if (busy) return;
    // The inputs are copied here; the panel stays disabled until the worker ends.
    InterferenceRequest r;
    r.wavelength = Edit5->text().toStdString();
    r.distance = Edit1->text().toStdString();
    r.ymax = Edit2->text().toStdString();
    r.step = Edit3->text().toStdString();
    r.divisor = interferenceUnitDivisor(ComboBox1->currentIndex());
    r.sources = SourcePanel1->Sources.items();
    setBusy(true);
    if (worker.joinable()) worker.join(); // the previous one has ended its work
    try {
        worker = std::thread(&TForm12::work, this, std::move(r));
    } catch (const std::system_error &) {
        setBusy(false);
    }
}

void TForm12::work(InterferenceRequest request) {
    InterferenceRun run = runInterference(
        request, [this](int p) { post(this, kProgressEvent, p); }, cancel);
    if (run.outcome == InterferenceOutcome::Cancelled) return;
    if (run.outcome == InterferenceOutcome::Result) {
        auto *e = new InterferenceEvent(kResultEvent);
        e->buffer = std::move(run.buffer);
        e->value = run.count;
        e->ymax = run.ymax;
        QCoreApplication::postEvent(this, e);
    } else {
        auto *e = new InterferenceEvent(kFailureEvent);
        e->text = run.outcome == InterferenceOutcome::InvalidNumber
                      ? QStringLiteral("Задано неверное число")
                      : QStringLiteral("Памяти мало :(. Хочу всего-навсего ") +
                            QString::fromStdString(run.requestedBytes) + QStringLiteral(" байт");
        QCoreApplication::postEvent(this, e);
    }
    post(this, kBusyEvent, 0);
}

bool TForm12::event(QEvent *e) {
    const int type = e->type();
    if (type < kResultEvent || type > kFailureEvent) return TDemoForm::event(e);
    auto *m = static_cast<InterferenceEvent *>(e);
    switch (type) {
    case kResultEvent:
        GraphPanel1->Ymax = m->ymax;
        // The buffer held before is given back here, as the old result goes.
        GraphPanel1->SetData(std::move(m->buffer), m->value).reset();
        SpeedButton1Click();
        break;
    case kBusyEvent:
        setBusy(m->value != 0);
        break;
    case kProgressEvent:
        if (busy) ProgressBar1->setValue(m->value);
        break;
    default:
        showFailure(m->text);
    }
    return true;
}

void TForm12::setBusy(bool on) {
    busy = on;
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(on);
    Panel1->setEnabled(!on);
    SourcePanel1->setEnabled(!on);
}

void TForm12::showFailure(const QString &text) {
    // Not modal-blocking: the worker's busy message must still get through.
    auto *box =
        new QMessageBox(QMessageBox::Critical, QStringLiteral("Ой!"), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    MessageBox1 = box;
}

void TForm12::SpeedButton1Click() {
    Edit6->setText(QStringLiteral("1"));
    GraphPanel1->HorizontalScale = 1.0L;
    GraphPanel1->VerticalScale = readNumber(Edit4->text());
    GraphPanel1->Repaint();
}

void TForm12::SpeedButton2Click() {
    const double v = readNumber(Edit6->text());
    // A scale of zero or less has no picture: keep the last one.
    if (v > 0 && std::isfinite(v))
        GraphPanel1->HorizontalScale = v;
    else
        Edit6->setText(formatFixed15(GraphPanel1->HorizontalScale));
    GraphPanel1->Repaint();
}
