#include "geometric/Unit6.h"

TForm6 *Form6 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Фокусное расстояние линзы.");
    info.outerWidth = 544;
    info.outerHeight = 375;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm6::TForm6(QWidget *parent) : TDemoForm(frameInfo(), parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    surface->redraw = [this] { DrawScene(); };
    FormCreate();
}

void TForm6::FormCreate() {
    surface->background = Qt::black;
    surface->setUp();
}

void TForm6::DrawScene() {
    // An empty scene until the demonstration is built.
    surface->clear();
}
