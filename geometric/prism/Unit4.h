#pragma once
// The window "Дисперсия света": a page with a prism spectrometer diagram and
// a small animation, and a modelling page where a lamp's white beam splits
// into 63 coloured rays in a prism (PrismScene). The user drags the lamp,
// types the index and the dispersion and picks the background colour.
#include "geometric/prism/PrismScene.h"
#include "widgets/Animation.h"
#include "widgets/ColorDialog.h"
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

#include <memory>

class QLabel;
class QLineEdit;
class QMovie;
class QTabWidget;
class TKeyboardDrag;

class TPrismPicture;

class TForm4 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm4(QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    // First page.
    TPanel *Panel3;
    QLabel *Image3;
    QLabel *RxGIFAnimator1;
    // Second page.
    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;
    // The picture's readout.
    std::shared_ptr<TPrismPicture> Readout;
    QLabel *Label2; // the total-reflection warning
    QLabel *Image2; // the lamp
    TKeyboardDrag *keys = nullptr;
    TPanel *Panel2;
    QLabel *Label1, *Label3;
    QLineEdit *Edit1, *Edit2;
    TColorDialog *ColorDialog1;

    bool Dragging = false;
    // The lamp's top and left minus the cursor's screen y and x at the press.
    int GrabOffsetY = 0, GrabOffsetX = 0;

    void FormCreate();
    Q_INVOKABLE void DrawScene();
    void Edit1Change(QObject *Sender);
    void Image1Click();
    void FormKeyPress(QChar key) override;
    void FormShow() override;
    void FormClose() override;
    void PageControl1Change();
    // The cursor's screen position.
    void Image2MouseDown(QPoint screen);
    void Image2MouseMove(QPoint screen);
    void Image2MouseUp();
    void Panel1Resize();

    PrismParams readParams() const;
    const prism::Trace &lastTrace() const { return trace; }
    QMovie *animation() const { return movie; }
    TAnimationControl *animationControl() { return &pause; }

  protected:
    void hideEvent(QHideEvent *event) override;

  private:
    void createFirstPage();
    void createSecondPage();
    void createInputs();
    void wireEvents();
    void placeWarning();
    void fitPage();
    void layOutHiddenPage();
    prism::Trace trace;
    QMovie *movie = nullptr;
    TAnimationSwitch pause{[this](bool) { PageControl1Change(); }, [this] { stepMovie(); }};
    void stepMovie();
};

extern TForm4 *Form4;
