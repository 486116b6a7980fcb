#include "waves/fresnel/FresnelScene.h"

#include "canvas/Canvas.h"
#include "canvas/Colours.h"
#include "core/Pixels.h"
#include "core/WavelengthWalk.h"

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr int kSide = 400, kCentre = 200, kAxisY = 350;

void prepare(QImage &bitmap) {
    if (bitmap.size() != QSize(kSide, kSide) || bitmap.format() != QImage::Format_RGB32)
        bitmap = QImage(kSide, kSide, QImage::Format_RGB32);
}

Rgb lightOf(const FresnelView &view) {
    return view.colour ? wavelengthToRgb(view.wavelengthNm) : Rgb{255, 255, 255};
}

void axes(Canvas &c, const FresnelView &view) {
    c.setPenColor(colours::clAqua);
    c.setFontColor(colours::clAqua);
    c.setPenWidth(1);
    c.MoveTo(0, kAxisY);
    c.LineTo(399, kAxisY);
    c.MoveTo(kCentre, 0);
    c.LineTo(kCentre, 499);
    for (int i = 1; i <= 4; ++i) {
        const int a = 40 * i;
        const int bottom = i == 2 ? 370 : 357;
        c.MoveTo(kCentre + a, 348);
        c.LineTo(kCentre + a, bottom);
        c.MoveTo(kCentre - a, 348);
        c.LineTo(kCentre - a, bottom);
    }
    const float mm = static_cast<float>(view.screenRadius * 400);
    c.TextOut(260, 370, fresnelTickLabel(mm));
    c.TextOut(100, 370, fresnelTickLabel(-mm));
}

// A dotted circle: a closed polyline through the circle's pixels, so the
// dot pattern runs along it.
void dottedCircle(Canvas &c, int radius) {
    const int r = std::abs(radius);
    if (r > kSide) return; // wholly outside the picture
    const int n = std::max(8, static_cast<int>(std::ceil(2 * M_PI * r)));
    QVector<QPoint> points;
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * M_PI * i / n;
        const QPoint p(kCentre + roundToPixel(r * std::cos(t)),
                       kCentre + roundToPixel(r * std::sin(t)));
        if (points.isEmpty() || points.back() != p) points.push_back(p);
    }
    if (points.size() > 1) points.push_back(points.front());
    c.Polyline(points);
}

} // namespace

int fresnelOutlineRadius(double outerRadius, double screenRadius) {
    return toPixel(outerRadius * 200 / screenRadius);
}

QString fresnelTickLabel(float millimetres) {
    return QCoreApplication::translate("FresnelScene", "%1 мм")
        .arg(QString::asprintf("%0.4f", static_cast<double>(millimetres)));
}

void drawFresnelGraph(QImage &bitmap, const FresnelProfile &profile, const FresnelView &view) {
    prepare(bitmap);
    Canvas c(bitmap);
    c.setPenStyle(PenStyle::Solid);
    c.setBrushStyle(BrushStyle::Solid);
    c.setBrushColor(colours::clBlack);
    c.FillRect(0, 0, kSide, kSide);
    axes(c, view);
    c.setPenColor(colours::clWhite);
    c.setPenWidth(2);
    for (int i = 1; i < kFresnelEntries; ++i) {
        const int before = kAxisY - profile[i - 1], now = kAxisY - profile[i];
        c.MoveTo(kCentre - i, before);
        c.LineTo(kCentre - 1 - i, now);
        c.MoveTo(kCentre + i, before);
        c.LineTo(kCentre + 1 + i, now);
    }
    if (!view.outline) return;
    c.setPenWidth(1);
    c.setPenStyle(PenStyle::Dot);
    c.setPenColor(colours::clRed);
    for (const int x : {kCentre - view.outlineRadius, kCentre + view.outlineRadius}) {
        c.MoveTo(x, 0);
        c.LineTo(x, 399);
    }
}

void drawFresnelRings(QImage &bitmap, const FresnelProfile &profile, const FresnelView &view) {
    prepare(bitmap);
    Canvas c(bitmap);
    const Rgb light = lightOf(view);
    c.setPenStyle(PenStyle::Solid);
    c.setBrushStyle(BrushStyle::Solid);
    c.setBrushColor(colours::clBlack);
    c.FillRect(0, 0, kSide, kSide);
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenWidth(2);
    c.setPenMode(PenMode::Copy);
    for (int i = 0; i < kFresnelEntries; ++i) {
        const Rgb t = tint(profile[i], light);
        c.setPenColor(QColor(t.red, t.green, t.blue));
        c.Ellipse(kCentre - i, kCentre - i, kCentre + i, kCentre + i);
    }
    if (!view.outline) return;
    c.setPenWidth(1);
    c.setPenStyle(PenStyle::Dot);
    c.setPenColor(view.colour ? QColor(255 - light.red, 255 - light.green, 255 - light.blue)
                              : colours::clRed);
    dottedCircle(c, view.outlineRadius);
}
