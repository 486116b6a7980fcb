#include "geometric/prism/PrismScene.h"

namespace {

const QColor kOutline(0x40, 0x80, 0x80);
const QColor kGlass(0x00, 0xFF, 0xFF);
const QColor kWhite(0xFF, 0xFF, 0xFF);

void drawPrism(Canvas &c, const prism::Frame &f, const QColor &background) {
    c.setBrushColor(kGlass);
    c.setPenColor(kOutline);
    c.setPenWidth(1);
    c.Polygon({QPoint(f.apexX, f.apexY), QPoint(f.rightX, f.baseY), QPoint(f.leftX, f.baseY)});
    c.setBrushColor(background);
}

void drawRays(Canvas &c, const prism::Trace &t) {
    for (int k = 0; k < t.count; ++k) {
        const prism::Ray &r = t.rays[std::size_t(k)];
        if (!r.entered) continue;
        c.setPenColor(QColor(r.colour.red, r.colour.green, r.colour.blue));
        c.MoveTo(t.entry.x, t.entry.y);
        c.LineTo(r.exit.x, r.exit.y);
        if (!r.totallyReflected) c.LineTo(r.end.x, r.end.y);
    }
}

} // namespace

prism::Point beamSource(const PrismParams &p) {
    return {p.lampLeft + p.lampWidth - 5, p.lampTop + p.lampHeight / 2 - 2};
}

prism::Trace drawPrismScene(Canvas &c, const PrismParams &p) {
    c.setPenMode(PenMode::Copy);
    c.setPenStyle(PenStyle::Solid);
    c.setBrushStyle(BrushStyle::Solid);
    c.setBrushColor(p.background);
    c.FillRect(0, 0, p.panelWidth, p.panelHeight);
    c.setPenColor(kOutline);
    const prism::Frame f =
        prism::frameFor(p.panelWidth, p.panelHeight, p.imageWidth, p.imageHeight);
    const prism::Point S = beamSource(p);
    const prism::Trace t = prism::trace(f, S.x, S.y, p.n, p.D);
    if (!t.prismShown) return t;
    drawPrism(c, f, p.background);
    if (!t.beamShown) return t;
    c.setPenColor(kWhite);
    c.setPenWidth(2);
    c.MoveTo(S.x, S.y);
    c.LineTo(t.entry.x, t.entry.y);
    c.setPenWidth(1);
    drawRays(c, t);
    return t;
}
