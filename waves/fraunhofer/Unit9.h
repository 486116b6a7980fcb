#pragma once
// The window "Дифракция Фраунгофера".
#include "widgets/DemoForm.h"

class TForm9 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm9(QWidget *parent = nullptr);
};

extern TForm9 *Form9;
