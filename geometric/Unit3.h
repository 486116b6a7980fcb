#pragma once
// The window "Построение изображения в линзе.".
#include "app/DemoForm.h"
#include "app/Surface.h"

class TForm3 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm3(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;

    void FormCreate();
    void DrawScene();
    void FormKeyPress(QChar key) override;
};

extern TForm3 *Form3;
