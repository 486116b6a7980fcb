#include "waves/spectrometer/GratingPictures.h"

#include "canvas/Fonts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

QImage blank(QSize size) {
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

void arrowHead(QPainter &g, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - 7 * u + 3 * n << tip - 7 * u - 3 * n;
    g.save();
    g.setBrush(g.pen().color());
    g.drawPolygon(head);
    g.restore();
}

void arrow(QPainter &g, QPointF a, QPointF b) {
    g.drawLine(a, b);
    arrowHead(g, b, a);
}

// A biconvex lens standing at x with half-height h.
void lens(QPainter &g, double x, double cy, double h) {
    QPainterPath path;
    path.moveTo(x, cy - h);
    path.quadTo(x + 14, cy, x, cy + h);
    path.quadTo(x - 14, cy, x, cy - h);
    g.save();
    g.setPen(QPen(QColor(40, 90, 160), 1.5));
    g.setBrush(QColor(190, 220, 250));
    g.drawPath(path);
    g.restore();
}

} // namespace

QImage drawGratingUnderGlass(QSize size) {
    QImage img = blank(size);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF field(20, 20, size.width() - 40, size.height() - 50);
    g.fillRect(field, QColor(235, 240, 245));
    g.setPen(QPen(QColor(90, 100, 120), 0.6));
    for (double x = field.left() + 2; x < field.right(); x += 3)
        g.drawLine(QPointF(x, field.top()), QPointF(x, field.bottom()));
    // The glass over the top-right corner shows the same lines four times wider.
    const QPointF c(field.right() - 60, field.top() + 55);
    const double r = 45;
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    g.save();
    g.setClipPath(disc);
    g.fillRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), QColor(250, 250, 245));
    g.setPen(QPen(QColor(40, 50, 70), 4));
    for (double x = c.x() - r + 4; x < c.x() + r; x += 12)
        g.drawLine(QPointF(x, c.y() - r), QPointF(x, c.y() + r));
    g.restore();
    g.setPen(QPen(QColor(60, 60, 60), 4));
    g.setBrush(Qt::NoBrush);
    g.drawEllipse(c, r, r);
    g.setPen(QPen(QColor(120, 70, 30), 9, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(c + QPointF(-r * 0.72, r * 0.72), c + QPointF(-r * 1.6, r * 1.6));
    g.setPen(Qt::black);
    g.setFont(pixelFont(12));
    g.drawText(QRectF(0, size.height() - 26, size.width(), 22), Qt::AlignCenter,
               QCoreApplication::translate("GratingPictures", "Дифракционная решетка"));
    return img;
}

namespace {
// An intensity curve of four slits along the screen from `top` to
// `bottom`, its principal maxima at `axis` and `first`, drawn leftward of `base`.
void drawIntensityCurve(QPainter &g, double base, double top, double bottom, double axis,
                        double first) {
    QPainterPath curve;
    const double span = bottom - top;
    for (int i = 0; i <= 200; ++i) {
        const double y = top + span * i / 200.0;
        const double u = (y - axis) / (axis - first) * std::numbers::pi;
        const double s = std::sin(4 * u), d = std::sin(u);
        const double v = std::abs(d) < 1e-6 ? 1.0 : (s / (4 * d)) * (s / (4 * d));
        const QPointF pt(base - 36 * v, y);
        i == 0 ? curve.moveTo(pt) : curve.lineTo(pt);
    }
    g.setPen(QPen(QColor(30, 60, 200), 1.2));
    g.drawPath(curve);
}

} // namespace

QImage drawGratingFocusing(QSize size) {
    QImage img = blank(size);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setFont(pixelFont(12));
    const double axis = size.height() * 0.42, lensX = 70, screenX = size.width() - 60;
    const double theta = 0.28;
    g.setPen(QPen(Qt::gray, 1, Qt::DashDotLine));
    g.drawLine(QPointF(5, axis), QPointF(size.width() - 5, axis));
    // Parallel rays at theta_m meet on the screen at the focal plane.
    const double focusY = axis - (screenX - lensX) * std::tan(theta);
    g.setPen(QPen(QColor(200, 30, 30), 1.2));
    for (int i = -2; i <= 2; ++i) {
        const double y = axis + i * 14;
        const QPointF at(lensX, y);
        const QPointF start = at - QPointF(60, -60 * std::tan(theta));
        arrow(g, start, at - QPointF(20, -20 * std::tan(theta)));
        g.drawLine(start, at);
        g.drawLine(at, QPointF(screenX, focusY));
    }
    lens(g, lensX, axis, 48);
    g.setPen(QPen(Qt::black, 2));
    g.drawLine(QPointF(screenX, 15), QPointF(screenX, axis + 70));
    g.setPen(QPen(QColor(0, 110, 0), 1));
    g.drawArc(QRectF(lensX - 50, axis - 50, 100, 100), 0,
              static_cast<int>(theta * 180 / std::numbers::pi * 16));
    g.drawText(QPointF(lensX + 52, axis - 6), QStringLiteral("θm"));
    arrow(g, QPointF((lensX + screenX) / 2, axis + 22), QPointF(screenX, axis + 22));
    arrow(g, QPointF((lensX + screenX) / 2, axis + 22), QPointF(lensX, axis + 22));
    g.drawText(QPointF((lensX + screenX) / 2 - 4, axis + 18), QStringLiteral("F"));
    drawIntensityCurve(g, screenX + 45, 15, axis + 70, axis, focusY);
    g.setPen(QPen(Qt::black, 1));
    const double scaleY = axis + 95;
    g.drawLine(QPointF(lensX, scaleY), QPointF(screenX, scaleY));
    for (int cm = 0; cm <= 6; ++cm) {
        const double x = lensX + (screenX - lensX) * cm / 6.0;
        g.drawLine(QPointF(x, scaleY - 4), QPointF(x, scaleY + 4));
        g.drawText(QPointF(x - 3, scaleY + 17), QString::number(cm));
    }
    g.drawText(QPointF(screenX + 6, scaleY + 17),
               QCoreApplication::translate("GratingPictures", "см"));
    g.setPen(QPen(QColor(200, 30, 30), 1, Qt::DotLine));
    g.drawLine(QPointF(screenX, focusY), QPointF(screenX + 45, focusY));
    g.drawLine(QPointF(screenX, axis), QPointF(screenX + 45, axis));
    return img;
}

namespace {

// The grating of the path-difference picture: slits of width D every d.
struct SlitGrating {
    double x = 110, top = 60, d = 44, D = 14, theta = 0.42;
    int slits = 5;
    QPointF u() const { return {std::cos(theta), std::sin(theta)}; }
    QPointF slitCentre(int i) const { return {x, top + i * d + D / 2}; }
};

// Bars, incident rays, diffracted rays through the lens to P on the screen.
void drawSlitsAndRays(QPainter &g, const SlitGrating &s, QSize size) {
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(60, 60, 60));
    g.drawRect(QRectF(s.x - 4, s.top - 30, 8, 30));
    for (int i = 0; i < s.slits; ++i)
        g.drawRect(QRectF(s.x - 4, s.top + i * s.d + s.D, 8, i + 1 < s.slits ? s.d - s.D : 30));
    const double lensX = s.x + 150, screenX = size.width() - 35;
    const QPointF u = s.u();
    const QPointF midAtLens = s.slitCentre(s.slits / 2) + u * ((lensX - s.x) / u.x());
    const QPointF P(screenX, midAtLens.y() + (screenX - lensX) * u.y() / u.x());
    g.setPen(QPen(QColor(200, 30, 30), 1.2));
    for (int i = 0; i < s.slits; ++i) {
        const QPointF s0 = s.slitCentre(i);
        arrow(g, QPointF(15, s0.y()), QPointF(s.x - 12, s0.y()));
        const QPointF atLens = s0 + u * ((lensX - s.x) / u.x());
        g.drawLine(s0, atLens);
        g.drawLine(atLens, P);
    }
    lens(g, lensX, midAtLens.y(), 150);
    g.setPen(QPen(Qt::black, 2));
    g.drawLine(QPointF(screenX, 20), QPointF(screenX, size.height() - 30));
    g.setBrush(Qt::black);
    g.drawEllipse(P, 3, 3);
    g.drawText(P + QPointF(6, 5), QStringLiteral("P"));
}

// The path difference, the angle, and the period and slit width.
void drawPathDifferenceMarks(QPainter &g, const SlitGrating &s) {
    // The wavefront through the lower slit meets the upper ray d sin(theta) on.
    const QPointF s0 = s.slitCentre(1), s1 = s.slitCentre(2);
    const QPointF foot = s0 + s.u() * (s.d * std::sin(s.theta));
    g.setPen(QPen(QColor(0, 110, 0), 1, Qt::DashLine));
    g.drawLine(s1, foot);
    g.setPen(QPen(QColor(0, 110, 0), 3));
    g.drawLine(s0, foot);
    g.setPen(Qt::black);
    g.drawText(foot + QPointF(2, -6), QStringLiteral("Δ"));
    const QPointF t0 = s.slitCentre(0);
    const int degrees16 = static_cast<int>(s.theta * 180 / std::numbers::pi * 16);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(QColor(0, 110, 0), 1));
    g.drawArc(QRectF(t0.x() - 30, t0.y() - 30, 60, 60), -degrees16, degrees16);
    g.setPen(Qt::black);
    g.drawText(t0 + QPointF(34, 12), QStringLiteral("θ"));
    const double dimX = s.x - 40;
    g.setPen(QPen(Qt::black, 1));
    g.drawLine(QPointF(dimX - 6, s0.y()), QPointF(s.x - 6, s0.y()));
    arrow(g, QPointF(dimX, (s0.y() + s1.y()) / 2), s0 + QPointF(dimX - s.x, 0));
    arrow(g, QPointF(dimX, (s0.y() + s1.y()) / 2), s1 + QPointF(dimX - s.x, 0));
    g.drawText(QPointF(dimX - 14, (s0.y() + s1.y()) / 2 + 5), QStringLiteral("d"));
    const double slitTop = s.top + 3 * s.d, dx = s.x - 18;
    g.drawLine(QPointF(dx - 4, slitTop), QPointF(s.x - 4, slitTop));
    g.drawLine(QPointF(dx - 4, slitTop + s.D), QPointF(s.x - 4, slitTop + s.D));
    arrow(g, QPointF(dx, slitTop - 14), QPointF(dx, slitTop));
    arrow(g, QPointF(dx, slitTop + s.D + 14), QPointF(dx, slitTop + s.D));
    g.drawText(QPointF(dx - 14, slitTop + s.D / 2 + 5), QStringLiteral("D"));
}

} // namespace

QImage drawGratingPathDifference(QSize size) {
    QImage img = blank(size);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setFont(pixelFont(13));
    const SlitGrating grating;
    drawSlitsAndRays(g, grating, size);
    drawPathDifferenceMarks(g, grating);
    g.setFont(pixelFont(12));
    g.drawText(QRectF(0, size.height() - 22, size.width(), 20), Qt::AlignCenter,
               QStringLiteral("Δ = d·sin θ"));
    return img;
}
