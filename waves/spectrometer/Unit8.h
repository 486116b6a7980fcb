#pragma once
// The window "Спектрометр на дифракционной решетке. Демонстрация спектров атомов.".
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

class TForm8 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm8(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;

    void FormCreate();
    void DrawScene();
};

extern TForm8 *Form8;
