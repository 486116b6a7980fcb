#pragma once
// The window "Фокусное расстояние линзы.".
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

class TForm6 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm6(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;

    void FormCreate();
    void DrawScene();
};

extern TForm6 *Form6;
