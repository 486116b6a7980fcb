#include "waves/newton/Unit7.h"

TForm7 *Form7 = nullptr;

TForm7::TForm7(QWidget *parent)
    : TDemoForm(
          frame(QStringLiteral("Кольца Ньютона"), 624, 592, Placement::Fixed, QPoint(282, 101)),
          parent) {}
