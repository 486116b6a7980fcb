#pragma once
// The window "Поляризация волн. Прохождение волны через анизотропную среду.".
#include "polarisation/anisotropic/AnisotropicWave.h"
#include "polarisation/anisotropic/WavePacer.h"
#include "widgets/Animation.h"
#include "widgets/DemoForm.h"

#include <QTimer>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMovie;
class QPushButton;
class QSlider;
class QTabWidget;
class TImage;
class TWavePicture;
class TPanel;

class TForm11 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm11(QWidget *parent = nullptr);
    ~TForm11() override;

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    QLabel *Label9, *Label10, *Label11, *Label12, *Label13, *Label14;
    QLabel *RxGIFAnimator1, *RxGIFAnimator2, *RxGIFAnimator3, *RxGIFAnimator4;
    TPanel *Panel2, *Panel3;
    QGroupBox *GroupBox1, *GroupBox2;
    TImage *Image1, *Image2;
    // The readouts of the pictures before and behind the plate.
    std::shared_ptr<TWavePicture> ReadoutBefore, ReadoutBehind;
    QLabel *Label3, *Label4, *Label5, *Label6, *Label7, *Label15;
    QLineEdit *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8;
    QSlider *TrackBar1;
    QPushButton *Button1, *Button2, *Button3;
    QTimer Timer1;

    WaveAnimation animation;
    WaveParams params;

    void Edit5Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Panel2Resize();
    void Timer1Timer();
    void PageControl1Change();
    // One animation step: false when it failed and nothing changed.
    bool WaveStep();

    QMovie *movie(int i) const { return movies[i]; }
    const WavePacer &pacer() const { return Pacer; }
    TAnimationControl *animationControl() { return &pause; }

    void FormShow() override;

  protected:
    bool event(QEvent *e) override;
    void hideEvent(QHideEvent *e) override;

  private:
    void buildFirstPage();
    void buildSecondPage();
    void buildInputs();
    QMovie *movies[4] = {};
    WavePacer Pacer;
    TAnimationSwitch pause{[this](bool on) { Pacer.setPaused(on); }, [this] { WaveStep(); }};
};

extern TForm11 *Form11;
