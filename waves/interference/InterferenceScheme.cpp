#include "waves/interference/InterferenceScheme.h"

#include "canvas/Fonts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor kInk(30, 30, 60);
const QColor kLight(200, 40, 40);
const QColor kPaper(255, 255, 250);

void caption(QPainter &p, int x, int y, const QString &text) {
    p.setPen(kInk);
    p.drawText(x, y, text);
}

// A point source lighting a double slit; bright and dark fringes on the screen.
void drawFringes(QPainter &p) {
    caption(
        p, 10, 18,
        QCoreApplication::translate("InterferenceScheme", "Точечный источник, две щели, экран"));
    p.setBrush(Qt::yellow);
    p.setPen(kInk);
    p.drawEllipse(QPointF(30, 90), 6, 6);
    p.setPen(QPen(kLight, 1));
    p.setBrush(Qt::NoBrush);
    // The arcs stay between the headings above and below.
    for (int r = 14; r < 80; r += 12)
        p.drawArc(QRectF(30 - r, 90 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    p.fillRect(QRect(120, 35, 5, 45), kInk);
    p.fillRect(QRect(120, 84, 5, 12), kInk);
    p.fillRect(QRect(120, 100, 5, 45), kInk);
    for (int r = 12; r < 80; r += 12) {
        p.drawArc(QRectF(122 - r, 82 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
        p.drawArc(QRectF(122 - r, 98 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    for (int y = 30; y < 150; ++y) {
        const double s = std::cos((y - 90) * 0.22);
        const int g = int(255 * s * s * std::exp(-std::pow((y - 90) / 55.0, 2)));
        p.setPen(QColor(g, int(g * 0.2), int(g * 0.2)));
        p.drawLine(232, y, 252, y);
    }
    p.setPen(kInk);
    p.drawRect(232, 30, 20, 120);
    caption(p, 20, 112, QStringLiteral("S"));
    caption(p, 228, 164, QCoreApplication::translate("InterferenceScheme", "экран"));
}

void drawWave(QPainter &p, int x0, int y0, double amp, double phase, const QColor &c) {
    QPainterPath path;
    for (int x = 0; x <= 110; ++x) {
        const QPointF pt(x0 + x, y0 - amp * std::sin(x * 0.114 + phase));
        if (x == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.setPen(QPen(c, 1.5));
    p.drawPath(path);
}

// Two waves in phase add up; in opposite phase they cancel.
void drawSuperposition(QPainter &p) {
    const int x = 280;
    caption(p, x, 18, QCoreApplication::translate("InterferenceScheme", "Усиление"));
    drawWave(p, x, 45, 12, 0, Qt::blue);
    drawWave(p, x, 45, 12, 0, QColor(0, 140, 0));
    caption(p, x + 118, 50, QStringLiteral("="));
    drawWave(p, x + 130, 45, 24, 0, kLight);
    caption(p, x, 100, QCoreApplication::translate("InterferenceScheme", "Ослабление"));
    drawWave(p, x, 125, 12, 0, Qt::blue);
    drawWave(p, x, 125, 12, M_PI, QColor(0, 140, 0));
    caption(p, x + 118, 130, QStringLiteral("="));
    drawWave(p, x + 130, 125, 0, 0, kLight);
}

// S lights S1 and S2; the screen at distance L; a ray at angle φ; the
// intensity along y with the zero order m = 0 on the axis.
void drawGeometry(QPainter &p) {
    const int top = 190, axis = 300, slits = 110, screen = 380;
    caption(p, 10, top,
            QCoreApplication::translate("InterferenceScheme", "Схема опыта с двумя щелями"));
    p.setPen(kInk);
    p.setBrush(Qt::yellow);
    p.drawEllipse(QPointF(40, axis), 5, 5);
    caption(p, 26, axis - 10, QStringLiteral("S"));
    p.fillRect(QRect(slits, top + 20, 4, 56), kInk);
    p.fillRect(QRect(slits, axis - 16, 4, 32), kInk);
    p.fillRect(QRect(slits, axis + 24, 4, 56), kInk);
    caption(p, slits - 22, axis - 20, QStringLiteral("S1"));
    caption(p, slits - 22, axis + 34, QStringLiteral("S2"));
    p.setPen(QPen(kInk, 2));
    p.drawLine(screen, top + 15, screen, top + 200);
    caption(p, screen + 4, top + 20, QStringLiteral("y"));
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(40, axis, screen + 110, axis);
    p.setPen(QPen(kLight, 1));
    p.drawLine(40, axis, slits + 2, axis - 20);
    p.drawLine(40, axis, slits + 2, axis + 20);
    const QPointF hit(screen, axis - 70);
    p.drawLine(QPointF(slits + 2, axis - 20), hit);
    p.drawLine(QPointF(slits + 2, axis + 20), hit);
    p.setPen(QPen(kInk, 1));
    p.drawLine(slits + 2, axis, screen, int(axis - 70));
    p.drawArc(QRectF(slits + 2 - 60, axis - 60, 120, 120), 0,
              int(std::atan(70.0 / 268) * 180 / M_PI * 16));
    caption(p, slits + 66, axis - 6, QStringLiteral("φ"));
    // L between the slits and the screen.
    p.drawLine(slits + 2, top + 185, screen, top + 185);
    p.drawLine(slits + 2, top + 180, slits + 2, top + 190);
    p.drawLine(screen, top + 180, screen, top + 190);
    caption(p, (slits + screen) / 2, top + 182, QStringLiteral("L"));
    QPainterPath curve;
    for (int y = -85; y <= 85; ++y) {
        const double c = std::cos(y * 0.11);
        const QPointF pt(screen + 8 + 80 * c * c * std::exp(-std::pow(y / 70.0, 2)), axis + y);
        if (y == -85)
            curve.moveTo(pt);
        else
            curve.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLight, 1.5));
    p.drawPath(curve);
    caption(p, screen + 90, axis - 4, QStringLiteral("m = 0"));
    caption(p, screen + 30, top + 200, QStringLiteral("I(y)"));
}

} // namespace

QImage drawInterferenceScheme() {
    QImage img(520, 400, QImage::Format_RGB32);
    img.fill(kPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(pixelFont(12));
    drawFringes(p);
    drawSuperposition(p);
    drawGeometry(p);
    return img;
}
