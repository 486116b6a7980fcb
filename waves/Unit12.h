#pragma once
// The window "Интерференция от точечных источников. Общая интерференционная схема.".
#include "app/DemoForm.h"

class TForm12 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm12(QWidget *parent = nullptr);
};

extern TForm12 *Form12;
