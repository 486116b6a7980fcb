#pragma once
// The window "Поляризация волн. Прохождение волны через анизотропную среду.".
#include "app/DemoForm.h"

class TForm11 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm11(QWidget *parent = nullptr);
};

extern TForm11 *Form11;
