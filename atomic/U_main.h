#pragma once
// The window "Тормозной и характеристический рентгеновский спектр".
#include "app/DemoForm.h"

class Tform_Main : public TDemoForm {
    Q_OBJECT
  public:
    explicit Tform_Main(QWidget *parent = nullptr);
};

extern Tform_Main *form_Main;
