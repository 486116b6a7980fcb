#pragma once
// The window "Поляризация света при отражении и преломлении. Явление Брюстера.".
#include "widgets/DemoForm.h"

class TForm14 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm14(QWidget *parent = nullptr);
};

extern TForm14 *Form14;
