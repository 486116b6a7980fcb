#include "geometric/huygens/Unit15.h"

TForm15 *Form15 = nullptr;

TForm15::TForm15(QWidget *parent)
    : TDemoForm(frame(QStringLiteral(
                          "Демонстрация преломления света с использованием принципа Гюйгенса."),
                      713, 576),
                parent) {}
