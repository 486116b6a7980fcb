#pragma once
// The window "Дифракция Френеля".
#include "widgets/DemoForm.h"

class TForm10 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm10(QWidget *parent = nullptr);
};

extern TForm10 *Form10;
