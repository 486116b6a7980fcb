#include "waves/Unit10.h"

TForm10 *Form10 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Дифракция Френеля");
    info.outerWidth = 625;
    info.outerHeight = 455;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm10::TForm10(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
