#include "polarisation/Unit11.h"

TForm11 *Form11 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Поляризация волн. Прохождение волны через анизотропную среду.");
    info.outerWidth = 664;
    info.outerHeight = 594;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm11::TForm11(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
