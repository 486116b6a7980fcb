#pragma once
// The window "Дифракция микрочастиц.".
#include "widgets/DemoForm.h"

class TForm51 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm51(QWidget *parent = nullptr);
};

extern TForm51 *Form51;
