#include "polarisation/malus/Unit16.h"

#include "polarisation/malus/MalusModel.h"
#include "polarisation/malus/MalusPicture.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWheelEvent>

TForm16 *Form16 = nullptr;

namespace {
const BenchConfig kMalusBench{100, true, true, 0.1};

} // namespace

TForm16::TForm16(QWidget *parent) : TDemoForm(frame(tr("Закон Малюса"), 651, 531), parent) {
    Panel1 = new TPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(65);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    setAlign(Panel1, Align::Top);
    Panel2 = new TPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    setAlign(Panel2, Align::Client);
    Readout = std::make_shared<TMalusPicture>(this);
    attachOverlay(Panel2)->setProvider(Readout.get());
    connect(Panel2, &TPanel::resized, this, [this] { fitBench(); });
    attachOverlay(Panel2)->setAnimation(&pause); // over the OpenGL view made on show
    keys = turnWithArrows(Panel2, [this] { return bench(); });

    Label3 = new QLabel(tr("Угол между разрешенными направлениями поляроидов, градусов:"), Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->move(32, 12);
    Label3->adjustSize();
    CSafeSpinEdit2 = new TCSafeSpinEdit(Panel1);
    CSafeSpinEdit2->setObjectName(QStringLiteral("CSafeSpinEdit2"));
    CSafeSpinEdit2->setGeometry(416, 8, 65, 21);
    CSafeSpinEdit2->setMinValue(0);
    CSafeSpinEdit2->setMaxValue(9999999);
    CSafeSpinEdit2->setValue(0);
    CheckBox3 = addCheckBox(Panel1, "CheckBox3", tr("Фиксировать один поляроид"), QPoint(16, 34));
    CheckBox1 = addCheckBox(Panel1, "CheckBox1", tr("Автовращение поляроидов"), QPoint(216, 34));
    CheckBox2 =
        addCheckBox(Panel1, "CheckBox2", tr("Рисовать поляризованные волны"), QPoint(416, 34));
    describePicture(Panel2, tr("Объёмная сцена: свет через поляризатор и анализатор; "
                               "сцена поворачивается мышью, угол меняется колёсиком."));
}

// The bench draws our scene member, so it must go before the members do;
// left to the base class it would be deleted with the children, after them.
// It is taken out of a hidden window, as on close.
TForm16::~TForm16() {
    if (!glBench) return;
    hide();
    delete glBench;
}

void TForm16::FormShow() {
    // Without a context there is nothing to draw: say so and close.
    if (closeWithoutOpenGL(this)) return;
    // A bench kept from before (Esc, or a close called off during its fade)
    // goes on; one is only made or deleted while the window is hidden.
    if (!glBench) {
        glBench = new OpticalBench(kMalusBench, &malusScene, &rotX, &rotY, Panel2);
        connect(glBench, &OpticalBench::frameStarting, this, [this] { beforeFrame(); });
        connect(glBench, &OpticalBench::frameDrawn, this, [this] { afterFrame(); });
    }
    glBench->setPaused(pause.isPaused());
    fitBench();
    glBench->show();
    glBench->start();
}

void TForm16::FormClose() {
    if (glBench) glBench->Timer1->stop();
}

void TForm16::FormCloseAfter() {
    // Deleting the widget releases its context and display lists; it waits
    // until the window is hidden, as taking a GL child out of a shown window
    // makes the toolkit rebuild the window under pending paint events.
    delete glBench;
}

void TForm16::fitBench() {
    ::fitBench(glBench, Panel2, size());
}

void TForm16::resizeEvent(QResizeEvent *event) {
    TDemoForm::resizeEvent(event);
    fitBench();
}

void TForm16::beforeFrame() {
    malusScene.params.thetaDegrees = CSafeSpinEdit2->Value();
    malusScene.params.oneFixed = CheckBox3->isChecked();
    malusScene.params.waves = CheckBox2->isChecked();
}

void TForm16::afterFrame() {
    if (!CheckBox1->isChecked() || !glBench->frameMoves()) return;
    CSafeSpinEdit2->setValue(malus::nextAutoTheta(CSafeSpinEdit2->Value(), CSafeSpinEdit2->MinValue,
                                                  CSafeSpinEdit2->MaxValue));
}

void TForm16::FormMouseWheel(bool up) {
    CSafeSpinEdit2->setValue(malus::wheelTheta(CSafeSpinEdit2->Value(), up));
}

void TForm16::wheelEvent(QWheelEvent *event) {
    const int dy = event->angleDelta().y();
    if (dy != 0) FormMouseWheel(dy > 0);
    event->accept();
}
