#pragma once
// The window "Закон Малюса".
#include "app/DemoForm.h"

class TForm16 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm16(QWidget *parent = nullptr);
};

extern TForm16 *Form16;
