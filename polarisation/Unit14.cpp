#include "polarisation/Unit14.h"

TForm14 *Form14 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption =
        QStringLiteral("Поляризация света при отражении и преломлении. Явление Брюстера.");
    info.outerWidth = 454;
    info.outerHeight = 573;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm14::TForm14(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
