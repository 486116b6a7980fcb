#pragma once
// The window "Преломление света на границе сред.": a lamp above the boundary
// of two media; the user drags the lamp sideways and types the indices and
// dispersions, the window draws the reflected and refracted rays
// (RefractionScene).
#include "geometric/refraction/RefractionScene.h"
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

#include <memory>

class QLabel;
class QLineEdit;
class TKeyboardDrag;

class TRefractionPicture;

class TForm2 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm2(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;
    // The picture's readout.
    std::shared_ptr<TRefractionPicture> Readout;
    QLabel *Image2; // the lamp
    TKeyboardDrag *keys = nullptr;
    TPanel *Panel2;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;

    bool Dragging = false;
    int GrabOffset = 0; // lamp's left minus the cursor's screen x at the press

    void FormCreate();
    Q_INVOKABLE void DrawScene();
    // Shared by the four boxes and a click on Panel2 (which has no text).
    void Edit1Change(QObject *Sender);
    // The cursor's screen x.
    void Image2MouseDown(int screenX);
    void Image2MouseMove(int screenX);
    void Image2MouseUp();
    void Panel1Resize();

    // The scene as the controls describe it now.
    RefractionParams readParams() const;
    // What the rays did in the last redraw.
    const snell::Trace &lastTrace() const { return trace; }

  private:
    void createLamp();
    void createInputs();
    void wireEvents();
    snell::Trace trace;
};

extern TForm2 *Form2;
