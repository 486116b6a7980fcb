#include "geometric/focal/FocalScene.h"

#include "canvas/Colours.h"
#include "canvas/Fonts.h"
#include "core/Pixels.h"
#include "geometric/focal/FocalLength.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

using namespace focal;

namespace {

const QColor kLens(0x00, 0xFF, 0xFF);
const QColor kAxis(0x80, 0x80, 0x80);
const QColor kPlane(0xFF, 0xFF, 0x00);
const QColor kFocus(0x00, 0x00, 0xFF);

void line(Canvas &c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

int trunc(float v) {
    return toPixel(double(v));
}

void convergingOutline(Canvas &c, int cx, int bottom, float s) {
    c.Arc(trunc(cx - 0.25f * s), 0, trunc(cx + 0.75f * s), bottom, cx, 0, cx, bottom);
    c.Arc(trunc(cx - 0.75f * s), 0, trunc(cx + 0.25f * s), bottom, cx, bottom, cx, 0);
}

void divergingOutline(Canvas &c, int cx, int bottom, int Hp, float s) {
    const int e = divergingGap(s);
    c.Arc(trunc(cx + 0.25f * s + e), 0, trunc(cx - 0.75f * s + e), bottom, cx + e, 0, cx + e,
          bottom);
    c.Arc(trunc(cx + 0.75f * s - e), 0, trunc(cx - 0.25f * s - e), bottom, cx - e, bottom, cx - e,
          0);
    const int left = trunc(cx + 0.8f * (0.75f * s + e)), right = trunc(cx - 0.8f * (0.25f * s - e));
    line(c, left, Hp / 16, right, Hp / 16);
    line(c, left, Hp - Hp / 16, right, Hp - Hp / 16);
}

// A fill that found a gap in the outline reaches the picture's top corners,
// which no lens covers.
bool fillEscaped(const Canvas &c) {
    const QRgb lens = kLens.rgb();
    return c.width() > 0 && c.height() > 0 &&
           (c.image().pixel(0, 0) == lens || c.image().pixel(c.width() - 1, 0) == lens);
}

void background(Canvas &c, const FocalParams &p) {
    c.setBrushColor(Qt::black);
    c.FillRect(0, 0, p.panelWidth, p.panelHeight);
    c.setPenMode(PenMode::Copy);
    c.setPenStyle(PenStyle::Solid);
    c.setPenWidth(2);
    c.setPenColor(kAxis);
    line(c, 0, p.imageHeight / 2, p.imageWidth - 1, p.imageHeight / 2);
}

// The outline, filled unless `fill` is off.
void lensOutline(Canvas &c, const FocalParams &p, bool fill) {
    const float s = lensThickness(p.F);
    const int cx = p.panelWidth / 2, Hp = p.panelHeight, bottom = 2 * (Hp / 2);
    c.setPenColor(kLens);
    c.setBrushColor(kLens);
    if (p.F > 0) {
        convergingOutline(c, cx, bottom, s);
        if (fill) c.FloodFill(cx, Hp / 2, kLens);
    } else {
        divergingOutline(c, cx, bottom, Hp, s);
        if (!fill) return;
        c.FloodFill(cx, Hp / 17 + 5, kLens);
        c.FloodFill(cx, Hp - Hp / 17 - 5, kLens);
    }
}

void lens(Canvas &c, const FocalParams &p) {
    lensOutline(c, p, true);
    if (!fillEscaped(c)) return;
    // Too small a picture for a closed outline: show it unfilled.
    background(c, p);
    lensOutline(c, p, false);
}

void lensPlane(Canvas &c, const FocalParams &p) {
    const int Wi = p.imageWidth, Hi = p.imageHeight;
    c.setPenColor(kPlane);
    line(c, Wi / 2 + 1, 0, Wi / 2 + 1, Hi);
    c.setPenMode(PenMode::Merge);
    c.setBrushColor(Qt::black);
    line(c, Wi / 2, Hi / 2 - 100, Wi / 2, Hi / 2 + 100);
    c.setFontColor(kLens);
    c.TextOut(Wi / 2 - 20, 2, QCoreApplication::translate("FocalScene", "Линза"));
}

// One ray of the beam, y0 pixels off the axis where it enters.
void ray(Canvas &c, const FocalParams &p, int y0, double slope) {
    const int Wi = p.imageWidth, Hi = p.imageHeight;
    const int A = std::min(p.P, 100), B = std::max(p.P - 100, 0);
    const int xg = int((long long)Wi * A / 200);
    const int y1 = Hi / 2 + y0;
    const double front = slope * xg + y1; // the ray's y where the front is
    const int yf = toPixel(front);
    line(c, 0, y1, xg, yf);
    if (B == 0) {
        line(c, xg, yf, xg - 5, toPixel(front + 5));
        line(c, xg, yf, xg - 5, toPixel(front - 5));
        return;
    }
    const long long dy = -((long long)B * y0) / p.F;
    c.LineTo(Wi / 2 + B, toPixel(front + double(dy)));
    if (p.F > 0) return;
    c.setPenStyle(PenStyle::Dot);
    line(c, xg, yf, toPixel(double(Wi / 2) + p.F), toPixel(slope * xg + Hi / 2));
    c.setPenStyle(PenStyle::Solid);
}

void beam(Canvas &c, const FocalParams &p) {
    c.setPenColor(Qt::white);
    c.setPenWidth(1);
    const double slope = std::tan(p.T * std::numbers::pi / 180);
    for (int y0 = -96; y0 <= 96; y0 += 16)
        ray(c, p, y0, slope);
}

void focalLine(Canvas &c, const FocalParams &p) {
    const int x = focalLineX(p);
    c.setPenColor(kFocus);
    c.setPenWidth(2);
    line(c, x, 0, x, p.imageHeight);
    c.setFontColor(kFocus);
    c.TextOut(toPixel(double(x) + 4), p.imageHeight / 2 + 5, QStringLiteral("F"));
}

} // namespace

int focalLineX(const FocalParams &p) {
    return toPixel(double(p.imageWidth / 2) + p.F);
}

bool onFocalLine(const FocalParams &p, int x) {
    return std::abs(double(x) - p.F - p.imageWidth / 2) < 3;
}

bool drawFocalScene(Canvas &c, const FocalParams &p) {
    if (p.F == 0) return false;
    c.setFont(pixelFont(8)); // 6 points
    background(c, p);
    lens(c, p);
    lensPlane(c, p);
    beam(c, p);
    focalLine(c, p);
    return true;
}
