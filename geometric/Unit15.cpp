#include "geometric/Unit15.h"

TForm15 *Form15 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption =
        QStringLiteral("Демонстрация преломления света с использованием принципа Гюйгенса.");
    info.outerWidth = 713;
    info.outerHeight = 576;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm15::TForm15(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
