#include "waves/interference/Unit12.h"

#include "canvas/NumberText.h"
#include "waves/interference/GraphPanel.h"
#include "waves/interference/InterferencePicture.h"
#include "waves/interference/InterferenceScheme.h"
#include "waves/interference/SourceKeys.h"
#include "waves/interference/SourcePanel.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/BackgroundComputation.h"
#include "widgets/Controls.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Messages.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

TForm12 *Form12 = nullptr;

namespace {
QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y, int w = 130) {
    return addLabel(parent, name, text, QRect(x, y + 3, w, 15));
}

QLineEdit *edit(QWidget *parent, const char *name, const QString &text, int x, int y, int w) {
    QLineEdit *e = addEdit(parent, name, text, QRect(x, y, w, 21));
    e->setCursorPosition(0); // long numbers show their beginning
    return e;
}
} // namespace

TForm12::TForm12(QWidget *parent)
    : TDemoForm(frame(tr("Интерференция от точечных источников. Общая интерференционная схема."),
                      552, 502, Placement::Fixed, QPoint(214, 122)),
                parent) {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setAlign(PageControl1, Align::Client);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, tr("Схема опыта"));
    PageControl1->addTab(TabSheet2, tr("Моделирование"));
    buildScheme();
    buildControls();
    describePicture(SourcePanel1,
                    tr("Полоска источников света: щелчок или Insert ставит источник, стрелки "
                       "двигают выбранный, Delete убирает; по ним строится интерференционная "
                       "картина."));
}

void TForm12::buildScheme() {
    Image1 = new QLabel(TabSheet1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    onFirstShow([this] { Image1->setPixmap(QPixmap::fromImage(drawInterferenceScheme())); });
    setAlign(Image1, Align::Client);
}

namespace {
QString stripHint() {
    return TForm12::tr("Щёлкните по полоске, чтобы поставить источник");
}
} // namespace

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
    GraphReadout = std::make_shared<TInterferencePicture>(GraphPanel1);
    buildInputs();

    connect(SourcePanel1, &TSourcePanel::statusChanged, Label1, &QLabel::setText);
    attachOverlay(GraphPanel1);
    attachOverlay(GraphPanel1)->setProvider(GraphReadout.get());
    // The empty strip says how to start.
    attachOverlay(SourcePanel1)->setHint(stripHint());
    keys = new TSourceKeys(SourcePanel1);
    connect(SourcePanel1, &TSourcePanel::sourcesChanged, this, [this] {
        TOverlay::of(SourcePanel1)
            ->setHint(SourcePanel1->Sources.items().empty() ? stripHint() : QString());
    });
    bindBrightness(SourcePanel1, CSpinEdit1);
    connect(GraphPanel1, &TGraphPanel::statusChanged, Label2, &QLabel::setText);
    connect(GraphPanel1, &TGraphPanel::verticalScaleChanged, Edit4, &QLineEdit::setText);
    connect(GraphPanel1, &TGraphPanel::horizontalScaleChanged, Edit6, &QLineEdit::setText);
    Computation = new TBackgroundComputation(this);
    showRunOn(Computation, ProgressBar1, {Panel1, SourcePanel1});
    connect(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm12::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm12::SpeedButton2Click);
}

// The inputs, scales, status and button on the bottom panel.
void TForm12::buildInputs() {
    QWidget *p = Panel1;
    label(p, "Label4", tr("Длина волны:"), 8, 8);
    Edit5 = edit(p, "Edit5", QStringLiteral("5000"), 148, 8, 72);
    label(p, "Label5", tr("нм"), 224, 8, 30);
    label(p, "Label7", tr("Расстояние до экрана="), 8, 34, 140);
    Edit1 = edit(p, "Edit1", QStringLiteral("1"), 148, 34, 72);
    label(p, "Label8", tr("м"), 224, 34, 30);
    label(p, "Label9", tr("Y максимальное="), 8, 60);
    Edit2 = edit(p, "Edit2", QStringLiteral("0.5"), 148, 60, 72);
    label(p, "Label11", tr("м"), 224, 60, 30);
    label(p, "Label10", tr("Шаг Y="), 8, 86);
    Edit3 = edit(p, "Edit3", QStringLiteral("0.0001"), 148, 86, 72);
    label(p, "Label12", tr("м"), 224, 86, 30);

    label(p, "Label3", tr("Масштаб верт.="), 262, 8, 110);
    Edit4 = edit(p, "Edit4", QStringLiteral("0.0008"), 372, 8, 120);
    SpeedButton1 = addControl(new QToolButton(p), "SpeedButton1", QRect(496, 8, 23, 21));
    SpeedButton1->setText(QStringLiteral("#"));
    label(p, "Label13", tr("Масштаб гориз.="), 262, 34, 110);
    Edit6 = edit(p, "Edit6", QStringLiteral("1.0"), 372, 34, 120);
    SpeedButton2 = addControl(new QToolButton(p), "SpeedButton2", QRect(496, 34, 23, 21));
    SpeedButton2->setText(QStringLiteral("#"));
    Label1 = label(p, "Label1", tr("Позиция источника"), 262, 60, 130);
    ComboBox1 = addControl(new QComboBox(p), "ComboBox1", QRect(396, 60, 96, 21));
    ComboBox1->addItems({tr("НМ"), tr("МКМ"), tr("ММ"), tr("М")});
    ComboBox1->setCurrentIndex(1);
    label(p, "Label6", tr("Яркость:"), 262, 86, 110);
    CSpinEdit1 = addSpinEdit(p, "CSpinEdit1", QRect(396, 86, 96, 21), 0, 255, 255);

    Label2 = label(p, "Label2", QString(), 8, 112, 250);
    ProgressBar1 = addControl(new QProgressBar(p), "ProgressBar1", QRect(8, 130, 250, 16));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    Button1 = addButton(p, "Button1", tr("Расчет"), QRect(396, 118, 96, 27));
}

bool TForm12::isBusy() const {
    return Computation->isRunning();
}

void TForm12::Button1Click() {
    if (isBusy()) return;
    // The inputs are read here; the panel stays disabled until the run ends.
    InterferenceRequest texts;
    texts.wavelength = Edit5->text().toStdString();
    texts.distance = Edit1->text().toStdString();
    texts.ymax = Edit2->text().toStdString();
    texts.step = Edit3->text().toStdString();
    texts.divisor = interferenceUnitDivisor(ComboBox1->currentIndex());
    texts.sources = SourcePanel1->Sources.items();
    std::optional<InterferenceInputs> inputs = readInterferenceInputs(texts);
    if (!inputs) {
        showFailure(tr("Задано неверное число"));
        return;
    }
    const InterferenceInputs shown = *inputs;
    Computation->start<InterferenceRun>(
        [in = std::move(*inputs)](RunControl &control) {
            return runInterference(
                in, [&control](int p) { control.percent(p); }, control.cancelFlag());
        },
        [this, shown](InterferenceRun &run) {
            takeResult(run);
            if (run.outcome == InterferenceOutcome::Result) GraphReadout->setInputs(shown);
        });
}

void TForm12::takeResult(InterferenceRun &run) {
    if (run.outcome == InterferenceOutcome::NoMemory) {
        showFailure(tr("Памяти мало :(. Хочу всего-навсего %1 байт")
                        .arg(QString::fromStdString(run.requestedBytes)));
        return;
    }
    if (run.outcome != InterferenceOutcome::Result) return;
    GraphPanel1->Ymax = run.ymax;
    // The buffer held before is given back here, as the old result goes.
    GraphPanel1->SetData(std::move(run.buffer), run.count, std::move(run.summary)).reset();
    SpeedButton1Click();
}

void TForm12::showFailure(const QString &text) {
    // Not modal-blocking: the worker's busy message must still get through.
    MessageBox1 = showMessage(this, QMessageBox::Critical, tr("Ой!"), text);
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
        showReadout(Edit6, formatFixed15(GraphPanel1->HorizontalScale));
    GraphPanel1->Repaint();
}
