#include "waves/Unit7.h"

TForm7 *Form7 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Кольца Ньютона");
    info.outerWidth = 624;
    info.outerHeight = 592;
    info.placement = Placement::Fixed;
    info.position = QPoint(282, 101);
    return info;
}
} // namespace

TForm7::TForm7(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
