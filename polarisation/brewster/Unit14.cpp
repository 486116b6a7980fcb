#include "polarisation/brewster/Unit14.h"

TForm14 *Form14 = nullptr;

TForm14::TForm14(QWidget *parent)
    : TDemoForm(
          frame(QStringLiteral("Поляризация света при отражении и преломлении. Явление Брюстера."),
                454, 573),
          parent) {}
