#include "geometric/refraction/RefractionScene.h"

#include "core/Pixels.h"

#include <cmath>

namespace {

const QColor kBoundary(0x80, 0x80, 0x80);

QColor toColour(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

void line(Canvas &c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// Every ray starts at the point of incidence and runs out of the picture:
// its length is the picture's width.
void drawPass(Canvas &c, int cx, int cy, float L, float alpha, const snell::Pass &p) {
    if (p.drawRefracted) {
        c.setPenColor(toColour(p.refracted));
        line(c, cx, cy, cx + toPixel(L * std::sin(p.beta)), cy + toPixel(L * std::cos(p.beta)));
    }
    if (p.drawReflected) {
        c.setPenColor(toColour(p.reflected));
        line(c, cx, cy, cx + toPixel(L * std::sin(alpha)), cy + toPixel(-L * std::cos(alpha)));
    }
}

} // namespace

int lampDx(const RefractionParams &p) {
    return p.imageWidth / 2 - p.lampLeft - p.lampWidth / 2;
}

int lampDy(const RefractionParams &p) {
    return p.imageHeight / 2 - p.lampHeight;
}

snell::Trace drawRefractionScene(Canvas &c, const RefractionParams &p) {
    const int W = p.imageWidth, H = p.imageHeight, cx = W / 2, cy = H / 2;
    c.setBrushStyle(BrushStyle::Solid);
    c.setBrushColor(p.background);
    c.FillRect(0, 0, p.panelWidth, p.panelHeight);

    c.setPenMode(PenMode::Copy);
    c.setPenColor(kBoundary);
    c.setPenWidth(4);
    c.setPenStyle(PenStyle::Solid);
    line(c, 0, cy, W - 1, cy);
    c.setPenWidth(2);
    c.setPenStyle(PenStyle::Dot);
    line(c, cx, cy, cx, 0);
    line(c, cx, cy, cx, H - 1);

    c.setPenStyle(PenStyle::Solid);
    c.setPenColor(QColor(0xFF, 0xFF, 0xFF));
    line(c, p.lampLeft + p.lampWidth / 2, p.lampHeight, cx, cy);

    const snell::Trace t = snell::trace(lampDx(p), lampDy(p), p.n1, p.n2, p.D1, p.D2);
    // Overlapping rays add up toward white.
    c.setPenMode(PenMode::Merge);
    for (int k = 0; k < t.count; ++k)
        drawPass(c, cx, cy, float(W), t.alpha, t.passes[std::size_t(k)]);
    c.setPenMode(PenMode::Copy);
    return t;
}
