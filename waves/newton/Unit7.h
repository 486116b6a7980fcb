#pragma once
// The window "Кольца Ньютона".
#include "widgets/DemoForm.h"

class TForm7 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm7(QWidget *parent = nullptr);
};

extern TForm7 *Form7;
