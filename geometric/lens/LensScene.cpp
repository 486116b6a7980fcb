#include "geometric/lens/LensScene.h"

#include "canvas/Colours.h"
#include "canvas/Fonts.h"
#include "canvas/NumberText.h"
#include "core/ClipLine.h"
#include "core/Pixels.h"
#include "geometric/lens/ThinLens.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

using namespace thinlens;

namespace {

// A picture position in whole pixels that may lie far outside the picture.
struct Px {
    double x = 0, y = 0;
};

// The lens plane is x = cx, the axis y = cy; W x H is the panel's size.
struct Frame {
    int W = 0, H = 0, cx = 0, cy = 0;
    // The pixel at offsets (dx, dy) from the centre, each truncated toward zero.
    Px at(double dx, double dy) const { return {cx + std::trunc(dx), cy + std::trunc(dy)}; }
};

// Lines between far-away points are cut to this box first, so the part in
// the picture keeps its true direction instead of a saturated one.
constexpr double kFar = 1e5;

void line(Canvas &c, Px a, Px b) {
    if (!clipToBox(a, b, kFar)) return;
    c.MoveTo(toPixel(a.x), toPixel(a.y));
    c.LineTo(toPixel(b.x), toPixel(b.y));
}

void text(Canvas &c, Px at, const QString &s) {
    c.TextOut(toPixel(at.x), toPixel(at.y), s);
}

void setPen(Canvas &c, const QColor &colour, int width, PenStyle style, PenMode mode) {
    c.setPenColor(colour);
    c.setPenWidth(width);
    c.setPenStyle(style);
    c.setPenMode(mode);
}

// Fills the lens from a point inside it. An outline too thin to enclose the
// point (a very weak lens) would let the fill run over the whole picture;
// then the fill is undone and false returned. A lens region never reaches
// the top row, so a changed top row means the fill escaped.
bool fillInside(Canvas &c, int x, int y, const QColor &border) {
    const QImage before = c.image().copy();
    c.FloodFill(x, y, border);
    const QImage &after = c.image();
    for (int px = 0; px < after.width(); ++px)
        if (after.pixel(px, 0) != before.pixel(px, 0)) {
            c.image() = before;
            return false;
        }
    return true;
}

// A lens without curvature (or too weak to show any): a thin plate.
void drawPlate(Canvas &c, const Frame &f) {
    c.FillRect(f.cx - 1, 0, f.cx + 2, f.H);
}

bool drawConverging(Canvas &c, const Frame &f, double D) {
    const int cx = f.cx, H = f.H;
    c.Arc(toPixel(cx - 2.5 * D), 0, toPixel(cx + 7.5 * D), H, cx, 0, cx, H);
    c.Arc(toPixel(cx - 7.5 * D), 0, toPixel(cx + 2.5 * D), H, cx, H, cx, 0);
    return fillInside(c, cx, f.cy, c.penColor());
}

bool drawDiverging(Canvas &c, const Frame &f, double D) {
    const int cx = f.cx, H = f.H, rim = f.H / 17;
    const double e = std::trunc(-D * 25 / 9); // how far the two surfaces stand apart
    const int ex = toPixel(e) + 5;
    c.Arc(toPixel(cx + 2.5 * D + e), 0, toPixel(cx - 7.5 * D + e), H, cx + ex, 0, cx + ex, H);
    c.Arc(toPixel(cx + 7.5 * D - e), 0, toPixel(cx - 2.5 * D - e), H, cx - ex, H, cx - ex, 0);
    const double left = cx + 0.8 * (7.5 * D + e), right = cx - 0.8 * (2.5 * D - e);
    line(c, {std::trunc(left), double(rim)}, {std::trunc(right), double(rim)});
    line(c, {std::trunc(left), double(H - rim)}, {std::trunc(right), double(H - rim)});
    return fillInside(c, cx, rim + 5, c.penColor()) && fillInside(c, cx, H - rim - 5, c.penColor());
}

void drawLens(Canvas &c, const Frame &f, float D, const LensColours &col) {
    setPen(c, col.lens, 1, PenStyle::Solid, PenMode::Copy);
    c.setBrushColor(col.lens);
    const bool filled = D > 0 ? drawConverging(c, f, D) : D < 0 ? drawDiverging(c, f, D) : false;
    if (!filled) drawPlate(c, f);
}

void drawFocalMarks(Canvas &c, const Frame &f, float D) {
    struct Mark {
        double cm;
        QColor colour;
        QString label;
    };
    for (const Mark &m : {Mark{100, colours::clRed, QStringLiteral("F")},
                          Mark{200, colours::clMaroon, QStringLiteral("2F")}}) {
        const double dist = std::trunc(kScale * m.cm / double(D));
        c.setPenColor(m.colour);
        c.setFontColor(m.colour);
        for (const double x : {f.cx - dist, f.cx + dist}) {
            text(c, {x, f.cy - 16.0}, m.label);
            line(c, {x, f.cy - 5.0}, {x, f.cy + 5.0});
        }
    }
}

void drawObject(Canvas &c, const Frame &f, const Object &o, const QColor &colour) {
    c.setPenColor(colour);
    c.setFontColor(colour);
    const Px tip = f.at(-kScale * double(o.Q), kScale * double(o.R));
    line(c, f.at(-kScale * double(o.d), 0), tip);
    const double r = double(o.h) - 0.5;
    for (const double side : {-kHeadAngle, kHeadAngle}) {
        const double phi = double(o.alpha) + side;
        line(c, tip, f.at(-kScale * (double(o.d) + r * std::cos(phi)), std::sin(phi) * kScale * r));
    }
    text(c, {tip.x + 4, tip.y + 4}, QCoreApplication::translate("LensScene", "П"));
}

Px imagePoint(const Frame &f, double v, double y) {
    return f.at(kScale * v, -kScale * y);
}

// The image polyline, its arrowhead and letter.
void drawImage(Canvas &c, const Frame &f, const Image &im, const ImagePath &path,
               const QColor &colour) {
    c.setPenColor(colour);
    c.setFontColor(colour);
    for (int i = 1; i <= ImagePath::kSteps; ++i) {
        const auto &p = path.points[std::size_t(i)], &prev = path.points[std::size_t(i - 1)];
        if (p.joined) line(c, imagePoint(f, prev.v, prev.y), imagePoint(f, p.v, p.y));
    }
    // Broken: the barbs stand beyond the tip, so the head points back along
    // the branch of the image that holds the tip.
    const double r = path.broken ? double(im.s) + 0.5 : double(im.s) - 0.5;
    const double theta = headDirection(im);
    const auto &last = path.points.back();
    const Px barbFrom[2] = {imagePoint(f, last.v, last.y), imagePoint(f, im.vQ, im.yQ)};
    for (int k = 0; k < 2; ++k) {
        const double phi = theta + (k == 0 ? -kHeadAngle : kHeadAngle);
        line(c, barbFrom[k],
             f.at(kScale * (double(im.vB) - r * std::cos(phi)), -std::sin(phi) * kScale * r));
    }
    const Px tip = imagePoint(f, im.vQ, im.yQ);
    text(c, {tip.x + 4, tip.y + 4}, QCoreApplication::translate("LensScene", "И"));
}

void drawRays(Canvas &c, const Frame &f, const Object &o, const Image &im, const LensColours &col) {
    const Px T = f.at(-kScale * double(im.Q), kScale * double(o.R));
    const Px L = {double(f.cx), T.y}, O = {double(f.cx), double(f.cy)};
    const Px I = imagePoint(f, im.vQ, im.yQ);
    setPen(c, col.ray1, 1, PenStyle::Dash, PenMode::Merge);
    line(c, T, L);
    line(c, T, O);
    const bool virtualImage = im.vQ < 0;
    setPen(c, col.ray2, 1, virtualImage ? PenStyle::Dot : PenStyle::Dash, PenMode::Merge);
    line(c, L, I);
    line(c, O, I);
    if (!virtualImage) return;
    // The real rays leaving the lens, which the dotted lines extend backwards.
    c.setPenStyle(PenStyle::Dash);
    const double vQ = im.vQ, yQ = im.yQ, R = o.R;
    line(c, O, {f.cx + 500.0, f.cy - std::trunc(500 * yQ / vQ)});
    line(c, L, {f.cx + 500.0, L.y - std::trunc(500 * (yQ + R) / vQ)});
}

} // namespace

LensOutputs drawLensScene(Canvas &c, const LensParams &p) {
    const Frame f{p.panelWidth, p.panelHeight, p.panelWidth / 2, p.panelHeight / 2};
    const LensColours &col = p.colours;
    c.setFont(pixelFont(8)); // 6 points
    c.setBrushStyle(BrushStyle::Solid);
    c.setBrushColor(col.background);
    c.FillRect(0, 0, f.W, f.H);

    setPen(c, col.axis, 1, PenStyle::DashDot, PenMode::Merge);
    line(c, {0, double(f.cy)}, {f.W - 1.0, double(f.cy)});
    const float D = single(p.D), d = single(p.d), h = single(p.h), a = single(p.a);
    drawLens(c, f, D, col);
    setPen(c, col.axis, 1, PenStyle::DashDot, PenMode::Copy);
    line(c, {double(f.cx), 0}, {double(f.cx), double(f.H)});

    setPen(c, col.axis, 2, PenStyle::Solid, PenMode::Merge);
    c.setBrushColor(col.background);
    LensOutputs out;
    if (d == 0 || D == 0 || h == 0) return out;

    drawFocalMarks(c, f, D);
    const Object o = makeObject(d, h, a);
    drawObject(c, f, o, col.object);
    const Image im = imageOf(D, o);
    out.imageBuilt = true;
    out.imageDistance = qFormatThousands(im.vB);
    out.imageHeight = qFormatThousands(im.s);
    drawImage(c, f, im, imagePath(D, o, im), col.image);
    drawRays(c, f, o, im, col);
    return out;
}

bool onObject(const LensParams &p, int X, int Y) {
    const Object o = makeObject(single(p.d), single(p.h), single(p.a));
    return grabsObject({double(p.panelWidth), double(p.panelHeight)}, o, X, Y);
}

TipPose tipToPointer(const LensParams &p, int X, int Y) {
    return tipAt({double(p.panelWidth), double(p.panelHeight)}, single(p.d), X, Y);
}

float slideObject(const LensParams &p, int dx) {
    return single(double(single(p.d)) - dx / double(kScale));
}

QPoint objectBase(const LensParams &p) {
    const double x = p.panelWidth / 2.0 - kScale * double(single(p.d));
    return QPoint(roundToPixel(x), roundToPixel(p.panelHeight / 2.0));
}

QPoint objectTip(const LensParams &p) {
    const Object o = makeObject(single(p.d), single(p.h), single(p.a));
    return QPoint(roundToPixel(p.panelWidth / 2.0 - kScale * double(o.Q)),
                  roundToPixel(p.panelHeight / 2.0 + kScale * double(o.R)));
}
