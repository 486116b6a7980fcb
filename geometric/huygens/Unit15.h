#pragma once
// The window "Демонстрация преломления света с использованием принципа Гюйгенса.".
#include "widgets/DemoForm.h"

class TForm15 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm15(QWidget *parent = nullptr);
};

extern TForm15 *Form15;
