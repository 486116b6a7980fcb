#include "geometric/Unit2.h"

TForm2 *Form2 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Преломление света на границе сред.");
    info.outerWidth = 568;
    info.outerHeight = 359;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm2::TForm2(QWidget *parent) : TDemoForm(frameInfo(), parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    surface->redraw = [this] { DrawScene(); };
    FormCreate();
}

void TForm2::FormCreate() {
    surface->background = Qt::black;
    surface->setUp();
}

void TForm2::DrawScene() {
    // An empty scene until the demonstration is built.
    surface->clear();
}
