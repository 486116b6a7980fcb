#pragma once
// The window "Отражение света. Построение изображения в зеркале.".
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

class TForm5 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm5(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;

    void FormCreate();
    void DrawScene();
};

extern TForm5 *Form5;
