#pragma once
// The window "Поляризация света при отражении и преломлении. Явление Брюстера.".
#include "polarisation/brewster/BrewsterScene.h"
#include "widgets/Animation.h"
#include "widgets/DemoForm.h"

#include <QPointer>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class TCSafeSpinEdit;
class TBrewsterPicture;
class TPanel;
class TKeyboardDrag;

class TForm14 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm14(QWidget *parent = nullptr);
    ~TForm14() override;

    TPanel *Panel1 = nullptr;
    TPanel *Panel2 = nullptr;
    // The bench's readout.
    std::shared_ptr<TBrewsterPicture> Readout;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox5 = nullptr;
    QCheckBox *CheckBox7 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QCheckBox *CheckBox8 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QCheckBox *CheckBox6 = nullptr;
    QCheckBox *CheckBox4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    TCSafeSpinEdit *CSafeSpinEdit1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    TCSafeSpinEdit *CSafeSpinEdit2 = nullptr;
    TCSafeSpinEdit *CSafeSpinEdit3 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;

    float rotX = -70;
    float rotY = 0;
    // The scene lives while the window is shown; null otherwise.
    OpticalBench *bench() const { return glBench; }
    TAnimationControl *animationControl() { return &pause; }
    TKeyboardDrag *keys = nullptr; // the arrows turn the scene
    const BrewsterScene &scene() const { return brewsterScene; }

    void FormShow() override;
    void FormClose() override;
    void FormCloseAfter() override;
    void FormMouseWheel(bool up);
    void CheckBox5Click();
    void CheckBox7Click();
    void CheckBox2Click();
    void CheckBox3Click();

  protected:
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void buildChecks();
    void buildInputs();
    void readControls();
    void fitBench();
    BrewsterScene brewsterScene;
    QPointer<OpticalBench> glBench;
    // The bench is made anew on each show; the pause outlives it.
    TAnimationSwitch pause{[this](bool on) {
                               if (glBench) glBench->setPaused(on);
                           },
                           [this] {
                               if (glBench) glBench->stepFrame();
                           }};
};

extern TForm14 *Form14;
