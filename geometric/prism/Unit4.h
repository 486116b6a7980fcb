#pragma once
// The window "Дисперсия света".
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

class TForm4 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm4(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;

    void FormCreate();
    void DrawScene();
    void FormKeyPress(QChar key) override;
};

extern TForm4 *Form4;
