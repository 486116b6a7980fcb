#include "waves/diffraction/Unit13.h"

TForm13 *Form13 = nullptr;

TForm13::TForm13(QWidget *parent)
    : TDemoForm(fixedWidth(
                    frame(QStringLiteral("Дифракция. Основные черты и закономерности."), 540, 741)),
                parent) {}
