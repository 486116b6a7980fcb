#include "geometric/Unit5.h"

TForm5 *Form5 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Отражение света. Построение изображения в зеркале.");
    info.outerWidth = 552;
    info.outerHeight = 370;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm5::TForm5(QWidget *parent) : TDemoForm(frameInfo(), parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    surface->redraw = [this] { DrawScene(); };
    FormCreate();
}

void TForm5::FormCreate() {
    surface->background = Qt::black;
    surface->setUp();
}

void TForm5::DrawScene() {
    // An empty scene until the demonstration is built.
    surface->clear();
}
