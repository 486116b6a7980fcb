#include "atomic/Unit51.h"

TForm51 *Form51 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Дифракция микрочастиц.");
    info.outerWidth = 636;
    info.outerHeight = 466;
    info.placement = Placement::Fixed;
    info.position = QPoint(192, 107);
    return info;
}
} // namespace

TForm51::TForm51(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
