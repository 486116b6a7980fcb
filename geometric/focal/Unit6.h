#pragma once
// The window "Фокусное расстояние линзы.": a parallel beam runs into a lens
// and meets behind it at the focus (or spreads from a virtual one). The
// focal line is dragged with the mouse, the wheel tilts the beam and a
// double-click runs the animation again.
#include "geometric/focal/FocalScene.h"
#include "widgets/Animation.h"
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

#include <memory>

class QTimer;
class TKeyboardDrag;
class QWheelEvent;

class TFocalPicture;

class TForm6 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm6(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;
    // The picture's readout.
    std::shared_ptr<TFocalPicture> Readout;
    QTimer *Timer1;
    TTimerAnimation *animation = nullptr;
    TAnimationControl *animationControl() const { return animation; }
    TKeyboardDrag *keys = nullptr; // the focal line

    int F = 100; // focal length, pixels from the lens plane
    int P = 0;   // how far the beam's front has travelled
    int T = 0;   // tilt of the beam, degrees
    bool Dragging = false;
    int GrabOffset = 0; // pointer x minus the focal line's x when the drag began

    void FormCreate();
    void FormShow() override;
    void FormClose() override;
    Q_INVOKABLE void DrawScene();
    void Timer1Timer();
    void Image1DblClick();
    void FormMouseWheel(int delta);
    void Image1MouseDown(int X);
    void Image1MouseMove(int X);
    void Image1MouseUp();

    FocalParams readParams() const;

  protected:
    void wheelEvent(QWheelEvent *event) override;
};

extern TForm6 *Form6;
