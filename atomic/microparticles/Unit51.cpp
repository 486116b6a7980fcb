#include "atomic/microparticles/Unit51.h"

#include "atomic/microparticles/DifrPanel.h"
#include "atomic/microparticles/ElectronPicture.h"
#include "core/Numbers.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/Localised.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

TForm51 *Form51 = nullptr;

namespace {

// A group box holding one stretched picture from the resources, decoded
// when the window is first shown.
QGroupBox *pictureBox(TDemoForm *window, QWidget *parent, const char *name, const QString &title,
                      QRect box, TImage *&image, const char *imageName, const QString &file) {
    auto *group = addControl(new QGroupBox(title, parent), name, box);
    group->setContentsMargins(2, 15, 2, 2);
    image = addControl(new TImage(group), imageName);
    // Pictures with words have a copy in each language.
    window->onFirstShow([shown = image, file] {
        shown->Bitmap = QImage(localisedResource(file)).convertToFormat(QImage::Format_RGB32);
    });
    image->Stretch = true;
    setAlign(image, Align::Client);
    return group;
}

QComboBox *comboBox(QWidget *parent, const char *name, QRect box, const QStringList &items,
                    const QString &text) {
    auto *c = addControl(new QComboBox(parent), name, box);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setCurrentIndex(static_cast<int>(items.indexOf(text)));
    return c;
}

// Gives `follower` the size of the widget it watches. A page control sizes
// only the page on show; the screen's page must keep the window's size while
// the other page is shown, since electrons land on it all the same.
class SizeFollower : public QObject {
  public:
    SizeFollower(QWidget *watched, QWidget *follower) : QObject(watched), target(follower) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Resize) {
            target->resize(static_cast<QWidget *>(watched)->size());
            // A hidden widget gets its resize event only when shown.
            realign(target);
        }
        return false;
    }

  private:
    QWidget *target;
};

// The integer typed into a combo box, or `fallback` when it is none.
int integerIn(const QComboBox *c, int fallback) {
    return readInteger(c->currentText().toStdString()).value_or(fallback);
}

} // namespace

TForm51::TForm51(QWidget *parent)
    : TDemoForm(frame(tr("Дифракция микрочастиц."), 636, 466, Placement::Fixed, QPoint(192, 107)),
                parent) {
    PageControl1 = addControl(new QTabWidget(this), "PageControl1");
    setAlign(PageControl1, Align::Client);
    buildSetupPage();
    buildScreenPage();
    new SizeFollower(TabSheet1, TabSheet2);
    new SizeFollower(TabSheet2, TabSheet1);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TForm51::Timer1Timer);
    animation = new TTimerAnimation(Timer1, [this] { Timer1Timer(); });
    attachOverlay(DifrPanel)->setAnimation(animation);
    showStatus();
    describePicture(DifrPanel, tr("Экран, на котором по одному накапливаются следы "
                                  "электронов и складывается дифракционная картина."));
}

void TForm51::buildSetupPage() {
    TabSheet1 = addControl(new QWidget, "TabSheet1");
    PageControl1->addTab(TabSheet1, tr("Схема установки"));
    GroupBox1 =
        pictureBox(this, TabSheet1, "GroupBox1", tr("Схема установки"), QRect(0, 0, 305, 409),
                   Image2, "Image2", QStringLiteral(":/microparticles/setup.png"));
    GroupBox2 = pictureBox(this, TabSheet1, "GroupBox2",
                           tr("Схема кристаллической решетки образца"), QRect(312, 0, 305, 169),
                           Image1, "Image1", QStringLiteral(":/microparticles/lattice.png"));
    GroupBox3 = pictureBox(this, TabSheet1, "GroupBox3", tr("Пример эксперимента"),
                           QRect(312, 168, 305, 241), Image3, "Image3",
                           QStringLiteral(":/microparticles/pattern.png"));
}

void TForm51::buildScreenPage() {
    TabSheet2 = addControl(new QWidget, "TabSheet2");
    PageControl1->addTab(TabSheet2, tr("Моделирование"));

    StatusBar1 = addControl(new QStatusBar(TabSheet2), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->resize(StatusBar1->width(), 19);
    for (QLabel *&panel : statusPanels) {
        panel = new QLabel(StatusBar1);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    statusPanels[0]->setFixedWidth(200);
    statusPanels[1]->setMinimumWidth(50);
    // The last panel takes the rest of the bar.
    StatusBar1->addWidget(statusPanels[0]);
    StatusBar1->addWidget(statusPanels[1], 1);
    setAlign(StatusBar1, Align::Bottom);

    DifrPanel = addControl(new TDifrPanel(TabSheet2), "DifrPanel");
    attachOverlay(DifrPanel);
    DifrPanel->setBackground(Qt::black);
    DifrPanel->DotColor = Qt::white;
    setAlign(DifrPanel, Align::Client);
    Readout = std::make_shared<TElectronPicture>(DifrPanel);
    attachOverlay(DifrPanel)->setProvider(Readout.get());
    DifrPanel->lower();

    Panel1 = addControl(new TPanel(TabSheet2), "Panel1", QRect(8, 8, 609, 73));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);
    Panel1->raise();
    buildControls();
}

void TForm51::buildControls() {
    QWidget *p = Panel1;
    Button1 = addButton(p, "Button1", tr("Добавить электронов:"), {8, 8, 145, 25});
    ComboBox1 = comboBox(p, "ComboBox1", {160, 8, 145, 21},
                         {"100", "1000", "10000", "100000", "1000000", "10000000"}, "10000");
    Button2 = addButton(p, "Button2", tr("Очистка поля"), {8, 40, 145, 25});
    Button3 = addButton(p, "Button3", tr("Приостановить"), {160, 40, 145, 25});
    const QString rate = tr("Скорость, электронов/секунду:");
    const QString volts = tr("Ускоряющее напряжение, кВ:");
    Label1 = addLabel(p, "Label1", rate, QPoint(320, 16));
    Label2 = addLabel(p, "Label2", volts, QPoint(320, 48));
    ComboBox2 = comboBox(p, "ComboBox2", {496, 12, 105, 21},
                         {"1", "10", "100", "1000", "10000", "100000", "1000000"}, "1");
    ComboBox3 = comboBox(p, "ComboBox3", {496, 40, 105, 21},
                         {"20", "30", "50", "60", "80", "100", "150", "200"}, "30");
    Readout->setVoltageBox(ComboBox3);
    // The rings follow the voltage at once, with no electron landed yet.
    connect(ComboBox3, &QComboBox::currentTextChanged, TOverlay::of(DifrPanel),
            &TOverlay::pictureChanged);
    connect(Button1, &QPushButton::clicked, this, &TForm51::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm51::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm51::Button3Click);
}

void TForm51::FormShow() {
    animation->start();
}

void TForm51::FormClose() {
    animation->stop();
}

void TForm51::Button1Click() {
    electrons::addElectrons(state, integerIn(ComboBox1, 0));
}

void TForm51::Button2Click() {
    DifrPanel->ClearField();
    electrons::clearEmission(state);
}

void TForm51::Button3Click() {
    state.paused = !state.paused;
    Button3->setText(state.paused ? tr("Продолжить") : tr("Приостановить"));
}

void TForm51::Timer1Timer() {
    if (electrons::emitting(state)) emitElectrons();
    showStatus();
}

void TForm51::emitElectrons() {
    const int rate = integerIn(ComboBox2, 0);
    // Without a finite scale nothing leaves the gun this tick; the group of
    // ten ticks waits as while paused.
    const std::optional<float> scale = electrons::scaleFor(integerIn(ComboBox3, 30));
    if (!scale) return;
    const int n = electrons::takeTick(state, rate);
    for (int k = 0; k < n; ++k) {
        const electrons::Landing hit = sampler.next(*scale);
        DifrPanel->AddHit(hit.dx, hit.dy);
    }
}

void TForm51::showStatus() {
    statusPanels[0]->setText(tr("Выпущено электронов: %1").arg(state.total));
    statusPanels[1]->setText(tr("Осталось электронов: %1").arg(state.remaining));
}

QString TForm51::statusText(int panel) const {
    if (panel < 1 || panel > 2) return QString();
    return statusPanels[panel - 1]->text();
}
