#include "waves/Unit12.h"

TForm12 *Form12 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption =
        QStringLiteral("Интерференция от точечных источников. Общая интерференционная схема.");
    info.outerWidth = 552;
    info.outerHeight = 502;
    info.placement = Placement::Fixed;
    info.position = QPoint(214, 122);
    return info;
}
} // namespace

TForm12::TForm12(QWidget *parent) : TDemoForm(frameInfo(), parent) {}
