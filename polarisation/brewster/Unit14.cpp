#include "polarisation/brewster/Unit14.h"

#include "core/Numbers.h"
#include "polarisation/brewster/BrewsterPicture.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWheelEvent>

TForm14 *Form14 = nullptr;

namespace {
const BenchConfig kBrewsterBench{9, false, false, brewster::kTimeStep};

// Check boxes stand 16 px apart in the layout.
constexpr int kCheckHeight = 17;
constexpr int kCheckWidth = 240 - 8 - 4;
// Inputs sit at x = 368; labels to their left must end before it.
constexpr int kInputX = 368;
constexpr int kInputWidth = 65;

QCheckBox *check(QWidget *parent, const char *name, const QString &text, int y, bool on) {
    QCheckBox *c = addCheckBox(parent, name, text, {8, y}, on);
    c->resize(c->width(), kCheckHeight);
    return c;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, QPoint at) {
    return addLabel(parent, name, text, at);
}

TCSafeSpinEdit *spin(QWidget *parent, const char *name, int y, int minValue, int maxValue,
                     int value) {
    auto *s = addControl(new TCSafeSpinEdit(parent), name, {kInputX, y, kInputWidth, 21});
    s->setMinValue(minValue);
    s->setMaxValue(maxValue);
    s->setValue(value);
    return s;
}

double number(const QLineEdit *e) {
    return readNumber(e->text().toStdString());
}
} // namespace

TForm14::TForm14(QWidget *parent)
    : TDemoForm(
          frame(tr("Поляризация света при отражении и преломлении. Явление Брюстера."), 454, 573),
          parent) {
    Panel1 = addControl(new TPanel(this), "Panel1");
    Panel1->setFixedHeight(185);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    setAlign(Panel1, Align::Top);
    Panel2 = addControl(new TPanel(this), "Panel2");
    setAlign(Panel2, Align::Client);
    Readout = std::make_shared<TBrewsterPicture>(this);
    attachOverlay(Panel2)->setProvider(Readout.get());
    connect(Panel2, &TPanel::resized, this, [this] { fitBench(); });
    attachOverlay(Panel2)->setAnimation(&pause); // over the OpenGL view made on show
    keys = turnWithArrows(Panel2, [this] { return bench(); });
    buildChecks();
    buildInputs();
    describePicture(Panel2, tr("Объёмная сцена: отражение и преломление поляризованного света; "
                               "сцена поворачивается мышью, угол падения меняется колёсиком."));
}

void TForm14::buildChecks() {
    CheckBox1 = check(Panel1, "CheckBox1", tr("Боковая поверхность"), 8, true);
    CheckBox5 = check(Panel1, "CheckBox5", tr("Только каркасы поверхностей"), 24, false);
    CheckBox7 = check(Panel1, "CheckBox7", tr("Сглаживание линий"), 40, false);
    CheckBox2 = check(Panel1, "CheckBox2", tr("Составляющие поляризации"), 56, true);
    CheckBox8 = check(Panel1, "CheckBox8", tr("Закраска составляющих поляризации"), 72, false);
    CheckBox3 = check(Panel1, "CheckBox3", tr("Результирующая волна"), 88, true);
    CheckBox6 = check(Panel1, "CheckBox6", tr("Закраска  волны"), 104, true);
    CheckBox4 = check(Panel1, "CheckBox4", tr("Рисовать лучи света"), 120, false);
    connect(CheckBox5, &QCheckBox::toggled, this, [this] { CheckBox5Click(); });
    connect(CheckBox7, &QCheckBox::toggled, this, [this] { CheckBox7Click(); });
    connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
    connect(CheckBox3, &QCheckBox::toggled, this, [this] { CheckBox3Click(); });
}

void TForm14::buildInputs() {
    Label1 = label(Panel1, "Label1", tr("Сдвиг фазы fy-fx, град:"), {240, 12});
    CSafeSpinEdit1 = spin(Panel1, "CSafeSpinEdit1", 8, 0, 360, 0);
    Label2 = label(Panel1, "Label2", tr("Соотношение Ey/Ex:"), {240, 36});
    Edit1 = addEdit(Panel1, "Edit1", QStringLiteral("1.0"), {kInputX, 32, kInputWidth, 21});
    Label3 = label(Panel1, "Label3", tr("Угол падения, град:"), {240, 60});
    CSafeSpinEdit2 = spin(Panel1, "CSafeSpinEdit2", 56, 0, 89, 60);
    Label6 = label(Panel1, "Label6", tr("Длина волны, нм:"), {240, 84});
    CSafeSpinEdit3 = spin(Panel1, "CSafeSpinEdit3", 80, 400, 800, 500);
    Label4 = label(Panel1, "Label4", tr("Показатель преломломления для параллельной составляющей:"),
                   {8, 140});
    Edit2 = addEdit(Panel1, "Edit2", QStringLiteral("1.3"), {kInputX, 136, kInputWidth, 21});
    Label5 = label(Panel1, "Label5",
                   tr("Показатель преломломления для перпендикулярной составляющей:"), {8, 164});
    Edit3 = addEdit(Panel1, "Edit3", QStringLiteral("1.3"), {kInputX, 160, kInputWidth, 21});
}

// The bench draws our scene member, so it must go before the members do;
// left to the base class it would be deleted with the children, after them.
// It is taken out of a hidden window, as on close.
TForm14::~TForm14() {
    if (!glBench) return;
    hide();
    delete glBench;
}

void TForm14::FormShow() {
    // Without a context there is nothing to draw: say so and close.
    if (closeWithoutOpenGL(this)) return;
    readControls();
    // A bench kept from before (Esc, or a close called off during its fade)
    // goes on; one is only made or deleted while the window is hidden.
    if (!glBench) {
        glBench = new OpticalBench(kBrewsterBench, &brewsterScene, &rotX, &rotY, Panel2);
        connect(glBench, &OpticalBench::frameStarting, this, [this] { readControls(); });
    }
    glBench->setPaused(pause.isPaused());
    fitBench();
    glBench->show();
    glBench->start();
}

void TForm14::FormClose() {
    if (glBench) glBench->Timer1->stop();
}

void TForm14::FormCloseAfter() {
    // Deleting the widget releases its context and display lists; it waits
    // until the window is hidden, as taking a GL child out of a shown window
    // makes the toolkit rebuild the window under pending paint events.
    delete glBench;
}

void TForm14::fitBench() {
    ::fitBench(glBench, Panel2, size());
}

void TForm14::resizeEvent(QResizeEvent *event) {
    TDemoForm::resizeEvent(event);
    fitBench();
}

// Every frame reads the controls afresh.
void TForm14::readControls() {
    BrewsterParams &p = brewsterScene.params;
    p.inputs.phaseDegrees = CSafeSpinEdit1->Value();
    p.inputs.ratio = number(Edit1);
    p.inputs.alphaDegrees = CSafeSpinEdit2->Value();
    p.inputs.wavelength = CSafeSpinEdit3->Value();
    p.inputs.nPar = number(Edit2);
    p.inputs.nPerp = number(Edit3);
    p.side = CheckBox1->isChecked();
    p.wireFrame = CheckBox5->isChecked();
    p.smoothLines = CheckBox7->isChecked();
    p.components = CheckBox2->isChecked();
    p.fillComponents = CheckBox8->isChecked();
    p.resultant = CheckBox3->isChecked();
    p.fillWave = CheckBox6->isChecked();
    p.rays = CheckBox4->isChecked();
}

// The scene builds its surfaces again on the next frame, in its context.
void TForm14::CheckBox5Click() {
    brewsterScene.params.wireFrame = CheckBox5->isChecked();
}

void TForm14::CheckBox7Click() {
    brewsterScene.params.smoothLines = CheckBox7->isChecked();
}

void TForm14::CheckBox2Click() {
    CheckBox8->setEnabled(CheckBox2->isChecked());
}

void TForm14::CheckBox3Click() {
    CheckBox6->setEnabled(CheckBox3->isChecked());
}

void TForm14::FormMouseWheel(bool up) {
    CSafeSpinEdit2->setValue(brewster::wheelAlpha(CSafeSpinEdit2->Value(), up));
}

void TForm14::wheelEvent(QWheelEvent *event) {
    const int dy = event->angleDelta().y();
    if (dy != 0) FormMouseWheel(dy > 0);
    event->accept();
}
