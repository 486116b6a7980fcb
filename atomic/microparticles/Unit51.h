#pragma once
// The window "Дифракция микрочастиц.": electrons pass a polycrystalline foil
// and land one by one on a screen, building up a central spot and five
// rings whose radii follow the accelerating voltage. A first page shows the
// set-up.
#include "atomic/microparticles/ElectronEmission.h"
#include "atomic/microparticles/ElectronSampler.h"
#include "widgets/Animation.h"
#include "widgets/DemoForm.h"

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class TDifrPanel;
class TElectronPicture;
class TImage;
class TPanel;

class TForm51 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm51(QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1; // "Схема установки"
    QWidget *TabSheet2; // "Моделирование"
    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
    TImage *Image1; // the crystal lattice of the sample
    TImage *Image2; // the set-up
    TImage *Image3; // a recorded pattern
    TDifrPanel *DifrPanel;
    // The screen's readout and hit histogram.
    std::shared_ptr<TElectronPicture> Readout;
    TPanel *Panel1;
    QPushButton *Button1, *Button2, *Button3;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3;
    QLabel *Label1, *Label2;
    QStatusBar *StatusBar1;
    QTimer *Timer1;
    TTimerAnimation *animation = nullptr;
    TAnimationControl *animationControl() const { return animation; }

    electrons::EmissionState state;
    electrons::ElectronSampler sampler;

    // Text of status panel 1 (emitted) or 2 (remaining).
    QString statusText(int panel) const;

    void FormShow() override;
    void FormClose() override;

  public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Timer1Timer();

  private:
    void buildSetupPage();
    void buildScreenPage();
    void buildControls();
    void emitElectrons();
    void showStatus();
    QLabel *statusPanels[2] = {nullptr, nullptr};
};

extern TForm51 *Form51;
