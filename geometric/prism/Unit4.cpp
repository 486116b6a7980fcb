#include "geometric/prism/Unit4.h"

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent)
    : TDemoForm(frame(QStringLiteral("Дисперсия света"), 586, 409), parent) {
    surface = new RaySurface(this, RaySurface::SizeFrom::Panel);
    Panel1 = surface->Panel1;
    Image1 = surface->Image1;
    surface->redraw = [this] { DrawScene(); };
    FormCreate();
}

void TForm4::FormCreate() {
    surface->background = Qt::black;
    surface->setUp();
}

void TForm4::DrawScene() {
    // An empty scene until the demonstration is built.
    surface->clear();
}

void TForm4::FormKeyPress(QChar key) {
    if (key == QChar(27))
        HideNow();
    else if (key == QChar(13)) {
        DrawScene();
        Image1->update();
    }
}
