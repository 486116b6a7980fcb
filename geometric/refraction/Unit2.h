#pragma once
// The window "Преломление света на границе сред.".
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

class TForm2 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm2(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;

    void FormCreate();
    void DrawScene();
};

extern TForm2 *Form2;
