#include "geometric/Unit3.h"

TForm3 *Form3 = nullptr;

namespace {
FrameInfo frameInfo() {
    FrameInfo info;
    info.caption = QStringLiteral("Построение изображения в линзе.");
    info.outerWidth = 599;
    info.outerHeight = 374;
    info.placement = Placement::DesktopCentre;
    return info;
}
} // namespace

TForm3::TForm3(QWidget *parent) : TDemoForm(frameInfo(), parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Image);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    surface->redraw = [this] { DrawScene(); };
    FormCreate();
    setKeyPreview(true);
}

void TForm3::FormCreate() {
    surface->background = Qt::black;
    surface->setUp();
}

void TForm3::DrawScene() {
    // An empty scene until the demonstration is built.
    surface->clear();
}

void TForm3::FormKeyPress(QChar key) {
    if (key == QChar(27))
        HideNow();
    else if (key == QChar(13)) {
        DrawScene();
        Image1->update();
    }
}
