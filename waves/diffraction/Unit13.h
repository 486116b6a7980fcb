#pragma once
// The window "Дифракция. Основные черты и закономерности.".
#include "widgets/DemoForm.h"

class TForm13 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm13(QWidget *parent = nullptr);
};

extern TForm13 *Form13;
