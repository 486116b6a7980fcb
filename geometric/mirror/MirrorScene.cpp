#include "geometric/mirror/MirrorScene.h"

#include "canvas/Colours.h"

namespace {

constexpr int kHatchStep = 5;

void drawMirror(Canvas &c, int a, int H) {
    c.setPenStyle(PenStyle::Solid);
    c.setPenColor(colours::clAqua);
    c.setPenWidth(2);
    c.MoveTo(a, 0);
    c.LineTo(a, H - 1);
    // The silvered back: short slanted strokes behind the mirror.
    c.setPenColor(colours::clGray);
    for (int y = 0; y < H; y += kHatchStep) {
        c.MoveTo(a - 1, y);
        c.LineTo(a - 5, y + 5);
    }
}

// A reflected ray eye -> mirror -> lamp, then its dotted continuation
// behind the mirror towards the image.
void drawRay(Canvas &c, const planemirror::Ray &r, const planemirror::Construction &k) {
    c.setPenStyle(PenStyle::Solid);
    c.setPenWidth(2);
    c.MoveTo(r.eyeX, r.eyeY);
    c.LineTo(r.mirrorX, r.mirrorY);
    c.LineTo(k.lampX, k.lampY);
    c.setPenStyle(PenStyle::Dot);
    c.setPenWidth(1);
    c.MoveTo(r.mirrorX, r.mirrorY);
    c.LineTo(k.imageX, k.lampY);
}

} // namespace

QPoint drawMirrorScene(Canvas &canvas, const MirrorParams &p) {
    canvas.FillRect(0, 0, p.fillWidth, p.fillHeight);
    drawMirror(canvas, p.width / 2, p.height);
    const planemirror::Construction k = planemirror::construct(p.width, p.height, p.lamp, p.eye);
    canvas.setPenColor(colours::clWhite);
    drawRay(canvas, k.top, k);
    drawRay(canvas, k.bottom, k);
    canvas.setPenStyle(PenStyle::Solid);
    return {k.virtualLeft, k.virtualTop};
}
