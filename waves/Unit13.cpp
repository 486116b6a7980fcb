#include "waves/Unit13.h"

TForm13 *Form13 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Дифракция. Основные черты и закономерности.");
    info.outerWidth = 540;
    info.outerHeight = 741;
    info.placement = Placement::DesktopCentre;
    info.fixedWidth = true;
    return info;
}
} // namespace

TForm13::TForm13(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
