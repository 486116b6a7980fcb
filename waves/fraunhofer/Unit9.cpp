#include "waves/fraunhofer/Unit9.h"

TForm9 *Form9 = nullptr;

TForm9::TForm9(QWidget *parent)
    : TDemoForm(frame(QStringLiteral("Дифракция Фраунгофера"), 621, 429), parent) {}
