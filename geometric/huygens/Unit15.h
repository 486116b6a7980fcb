#pragma once
// The window "Демонстрация преломления света с использованием принципа
// Гюйгенса.": a beam falls on a glass plate and is refracted by Huygens'
// construction, animated from a double-click on. The angle, the spacing and
// width of the beam and two refractive indices are read on every tick.
#include "geometric/huygens/HuygensBeam.h"
#include "widgets/Animation.h"
#include "widgets/DemoForm.h"

#include <memory>

class QLabel;
class QLineEdit;
class QTimer;
class TCSafeSpinEdit;
class THuygensPicture;
class TImage;
class TPanel;

class TForm15 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm15(QWidget *parent = nullptr);

    TPanel *Panel2;
    TImage *Image1;
    // The picture's readout.
    std::shared_ptr<THuygensPicture> Readout;
    TPanel *Panel1;
    QLabel *Label3, *Label2, *Label4, *Label1, *Label6;
    TCSafeSpinEdit *CSafeSpinEdit1, *CSafeSpinEdit2, *CSafeSpinEdit3;
    QLineEdit *Edit1, *Edit2;
    QTimer *Timer1;
    TTimerAnimation *animation = nullptr;
    TAnimationControl *animationControl() const { return animation; }

    int t = 0; // ticks since the animation started

    static constexpr int kBitmapWidth = 1600, kBitmapHeight = 1200;

    Q_INVOKABLE void Image1DblClick();
    Q_INVOKABLE void Timer1Timer();
    void FormClose() override;
    void FormCloseAfter() override;

    // The controls as the next tick reads them, with the picture's size.
    huygens::Inputs readInputs();

  protected:
    void resizeEvent(QResizeEvent *event) override;

  private:
    void ensureBitmap();
    void createInputs();
    void placeInputs();
};

extern TForm15 *Form15;
