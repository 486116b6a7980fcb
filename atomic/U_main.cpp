#include "atomic/U_main.h"

Tform_Main *form_Main = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Тормозной и характеристический рентгеновский спектр");
    info.outerWidth = 766;
    info.outerHeight = 501;
    info.placement = Placement::TopLeft;
    info.fontPixels = 10;
    return info;
}
} // namespace

Tform_Main::Tform_Main(QWidget *parent) : TDemoForm(frameInfo(), parent) {
    fadeOnClose = false;
    setMinimumSize(500 - kFrameExtraWidth, 350 - kFrameExtraHeight);
}
