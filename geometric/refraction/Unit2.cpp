#include "geometric/refraction/Unit2.h"

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent)
    : TDemoForm(frame(QStringLiteral("Преломление света на границе сред."), 568, 359), parent) {
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
