#include "waves/fresnel/Unit10.h"

TForm10 *Form10 = nullptr;

TForm10::TForm10(QWidget *parent)
    : TDemoForm(frame(QStringLiteral("Дифракция Френеля"), 625, 455), parent) {}
