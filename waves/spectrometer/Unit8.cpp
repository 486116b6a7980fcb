#include "waves/spectrometer/Unit8.h"

TForm8 *Form8 = nullptr;

TForm8::TForm8(QWidget *parent)
    : TDemoForm(frame(QStringLiteral(
                          "Спектрометр на дифракционной решетке. Демонстрация спектров атомов."),
                      691, 517),
                parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    surface->setDeferred(true);
    surface->redraw = [this] { DrawScene(); };
    FormCreate();
}

void TForm8::FormCreate() {
    surface->background = Qt::black;
    surface->setUp();
}

void TForm8::DrawScene() {
    // An empty scene until the demonstration is built.
    surface->clear();
}
