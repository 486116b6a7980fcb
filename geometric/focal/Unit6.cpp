#include "geometric/focal/Unit6.h"

TForm6 *Form6 = nullptr;

TForm6::TForm6(QWidget *parent)
    : TDemoForm(frame(QStringLiteral("Фокусное расстояние линзы."), 544, 375), parent) {
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
