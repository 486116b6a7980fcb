#include "waves/Unit9.h"

TForm9 *Form9 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Дифракция Фраунгофера");
    info.outerWidth = 621;
    info.outerHeight = 429;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm9::TForm9(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
