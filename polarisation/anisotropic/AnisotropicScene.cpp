#include "polarisation/anisotropic/AnisotropicScene.h"

#include "canvas/Canvas.h"
#include "canvas/Colours.h"
#include "core/Pixels.h"

using namespace colours;

void clearWavePicture(QImage &bitmap, int w, int h) {
    bitmap = QImage(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    bitmap.fill(clBlack);
}

namespace {
void line(Canvas &c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void drawVector(Canvas &c, const TraceStep &s, int C, int W) {
    if (s.hasPrev) {
        // Paints over the previous vector: the swept area builds up in maroon.
        c.setPenStyle(PenStyle::Solid);
        c.setPenWidth(3);
        c.setPenColor(clMaroon);
        line(c, C, C, toPixel(C + s.prev.Ex), toPixel(C - s.prev.Ey));
    }
    c.setPenWidth(1);
    c.setPenStyle(PenStyle::Dot);
    c.setPenColor(clAqua);
    line(c, C, 0, C, W);
    line(c, 0, C, W, C);
    c.setPenStyle(PenStyle::Solid);
    c.setPenColor(clRed);
    line(c, toPixel(C + s.now.Ex), C, C, C);
    c.setPenColor(clLime);
    c.LineTo(C, toPixel(C - s.now.Ey));
    c.setPenColor(clYellow);
    line(c, C, C, toPixel(C + s.now.Ex), toPixel(C - s.now.Ey));
}

void drawTimePlot(Canvas &c, const TraceStep &s, int W, int H) {
    // Scroll the strip one pixel to the left.
    c.CopyRect(QRect(QPoint(0, W), QPoint(W - 1, H)), c, QRect(QPoint(1, W), QPoint(W, H)));
    c.setPenWidth(1);
    c.setPenStyle(PenStyle::Solid);
    c.setPenColor(clBlack);
    line(c, W - 1, W - 1, W - 1, H);
    const int x = W - 1, Y0 = (H + W) / 2;
    c.setPixel(x, Y0, clAqua);
    const auto pair = [&](double v, const QColor &col) {
        const int y = toPixel(Y0 - v);
        c.setPixel(x, y, col);
        c.setPixel(x, y + 1, col);
    };
    pair(s.now.r, clYellow);
    pair(s.now.Ex, clRed);
    pair(s.now.Ey, clLime);
}
} // namespace

void drawWaveStep(Canvas &c, const TraceStep &s) {
    const int W = c.width(), H = c.height();
    if (W <= 0 || H <= 0) return;
    c.setPenMode(PenMode::Copy);
    drawVector(c, s, W / 2, W);
    drawTimePlot(c, s, W, H);
}
