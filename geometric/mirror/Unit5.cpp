#include "geometric/mirror/Unit5.h"

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent)
    : TDemoForm(
          frame(QStringLiteral("Отражение света. Построение изображения в зеркале."), 552, 370),
          parent) {
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
