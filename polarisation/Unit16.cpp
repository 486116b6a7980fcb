#include "polarisation/Unit16.h"

TForm16 *Form16 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Закон Малюса");
    info.outerWidth = 651;
    info.outerHeight = 531;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm16::TForm16(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
