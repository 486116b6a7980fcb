#pragma once
// The window "Закон Малюса".
#include "polarisation/malus/MalusScene.h"
#include "widgets/Animation.h"
#include "widgets/DemoForm.h"

#include <QPointer>
#include <memory>

class QCheckBox;
class QLabel;
class TCSafeSpinEdit;
class TMalusPicture;
class TPanel;
class TKeyboardDrag;

class TForm16 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm16(QWidget *parent = nullptr);
    ~TForm16() override;

    TPanel *Panel1 = nullptr;
    TPanel *Panel2 = nullptr;
    // The bench's readout and the Malus curve.
    std::shared_ptr<TMalusPicture> Readout;
    QLabel *Label3 = nullptr;
    TCSafeSpinEdit *CSafeSpinEdit2 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;

    float rotX = 50;
    float rotY = 20;
    // The scene lives while the window is shown; null otherwise.
    OpticalBench *bench() const { return glBench; }
    TAnimationControl *animationControl() { return &pause; }
    TKeyboardDrag *keys = nullptr; // the arrows turn the scene
    const MalusScene &scene() const { return malusScene; }

    void FormShow() override;
    void FormClose() override;
    void FormCloseAfter() override;
    void FormMouseWheel(bool up);

  protected:
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void beforeFrame();
    void afterFrame();
    void fitBench();
    MalusScene malusScene;
    QPointer<OpticalBench> glBench;
    // The bench is made anew on each show; the pause outlives it.
    TAnimationSwitch pause{[this](bool on) {
                               if (glBench) glBench->setPaused(on);
                           },
                           [this] {
                               if (glBench) glBench->stepFrame();
                           }};
};

extern TForm16 *Form16;
