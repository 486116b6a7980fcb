#include "atomic/microparticles/Unit51.h"

TForm51 *Form51 = nullptr;

TForm51::TForm51(QWidget *parent)
    : TDemoForm(frame(QStringLiteral("Дифракция микрочастиц."), 636, 466, Placement::Fixed,
                      QPoint(192, 107)),
                parent) {}
