#include "waves/newton/NewtonScene.h"

#include "canvas/Canvas.h"
#include "canvas/Fonts.h"
#include "waves/newton/NewtonRings.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {

// The profile of `count` samples over the lens radius a, tinted.
std::vector<Rgb> tintedProfile(int count, long double Rc, long double a, int wavelength) {
    NewtonInputs in;
    in.Rc = Rc;
    in.a = a;
    in.h = a / count;
    in.wavelength = wavelength;
    const std::vector<int> levels = computeNewtonRings(in);
    const Rgb c = wavelengthToRgb(wavelength);
    std::vector<Rgb> out;
    out.reserve(levels.size());
    for (int g : levels)
        out.push_back(tint(g, c));
    return out;
}

QImage ringsOf(int radius, const std::vector<Rgb> &profile) {
    const int side = 2 * radius;
    QImage img(std::max(side, 1), std::max(side, 1), QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    if (profile.empty()) return img;
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const double r = std::hypot(x + 0.5 - radius, y + 0.5 - radius);
            if (r >= radius) continue;
            const auto i = std::min(profile.size() - 1,
                                    static_cast<std::size_t>(r / radius * double(profile.size())));
            line[x] = qRgb(profile[i].red, profile[i].green, profile[i].blue);
        }
    }
    return img;
}

void arrowHead(QPainter &g, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF u = d / len, nrm(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - 7 * u + 3 * nrm << tip - 7 * u - 3 * nrm;
    g.save();
    g.setBrush(g.pen().color());
    g.drawPolygon(head);
    g.restore();
}

} // namespace

void drawNewtonRings(Canvas &c, const std::vector<int> &levels, bool coloured, Rgb colour,
                     const std::function<bool(int)> &progress, const std::atomic<bool> *stop) {
    const int n = static_cast<int>(levels.size());
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenStyle(PenStyle::Solid);
    c.setPenWidth(2);
    c.setPenMode(PenMode::Copy);
    int shown = -1;
    for (int i = 0; i < n; ++i) {
        if (stop && stop->load(std::memory_order_relaxed)) return;
        const int b = levels[static_cast<std::size_t>(i)];
        const Rgb pen = coloured ? tint(b, colour) : Rgb{b, b, b};
        c.setPenColor(QColor(pen.red, pen.green, pen.blue));
        c.Ellipse(n - i, n - i, n + i, n + i);
        const int p = static_cast<int>(static_cast<long long>(i) * 100 / n);
        if (p != shown) {
            shown = p;
            if (progress && !progress(p)) return;
        }
    }
}

QImage drawWhiteLightRings(int radius, long double Rc, long double a) {
    // Thin-film colours: the tinted profiles of a few wavelengths added.
    const int samples = std::max(radius, 1);
    std::vector<Rgb> sum(static_cast<std::size_t>(samples));
    const int wavelengths[] = {450, 490, 530, 570, 610, 650};
    for (int w : wavelengths) {
        const std::vector<Rgb> one = tintedProfile(samples, Rc, a, w);
        for (std::size_t i = 0; i < one.size() && i < sum.size(); ++i) {
            sum[i].red += one[i].red;
            sum[i].green += one[i].green;
            sum[i].blue += one[i].blue;
        }
    }
    for (Rgb &s : sum)
        s = {std::min(255, s.red / 3), std::min(255, s.green / 3), std::min(255, s.blue / 3)};
    return ringsOf(radius, sum);
}

QImage drawRingApparatus(QSize size) {
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0 - 6);
    const double R = std::min(size.width(), size.height()) / 2.0 - 16;
    // Three screws on the brass frame, the frame, the lens.
    g.setPen(QPen(QColor(80, 60, 20), 1));
    for (int i = 0; i < 3; ++i) {
        const double ang = -M_PI / 2 + i * 2 * M_PI / 3;
        const QPointF s = c + QPointF(std::cos(ang), std::sin(ang)) * (R + 6);
        g.setBrush(QColor(150, 150, 150));
        g.drawRect(QRectF(s.x() - 5, s.y() - 5, 10, 10));
    }
    QRadialGradient brass(c, R);
    brass.setColorAt(0.8, QColor(200, 160, 60));
    brass.setColorAt(1.0, QColor(120, 90, 30));
    g.setBrush(brass);
    g.drawEllipse(c, R, R);
    const double glass = R * 0.78;
    g.setBrush(QColor(210, 225, 235));
    g.drawEllipse(c, glass, glass);
    const int ringRadius = static_cast<int>(glass * 0.55);
    const QImage rings = drawWhiteLightRings(ringRadius, 10, 0.0045);
    g.drawImage(QPointF(c.x() - ringRadius, c.y() - ringRadius), rings);
    g.setPen(QPen(QColor(255, 255, 255, 160), 3));
    g.drawArc(QRectF(c.x() - glass + 8, c.y() - glass + 8, 2 * glass - 16, 2 * glass - 16),
              100 * 16, 60 * 16);
    g.setPen(Qt::black);
    g.setFont(pixelFont(11));
    g.drawText(QRectF(0, size.height() - 16, size.width(), 14), Qt::AlignCenter,
               QCoreApplication::translate("NewtonScene", "Прибор для наблюдения колец"));
    return img;
}

QImage drawNewtonGeometry(QSize size) {
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    const double plateTop = h - 60, cx = w * 0.42, R = w * 1.1;
    // The plate and the lens, its lower face an arc of radius R touching it.
    g.setPen(QPen(QColor(40, 70, 120), 1.5));
    g.setBrush(QColor(200, 220, 240));
    g.drawRect(QRectF(30, plateTop, w - 130, 22));
    const double halfChord = w * 0.3;
    const double sag = R - std::sqrt(R * R - halfChord * halfChord);
    QPainterPath lens;
    lens.moveTo(cx - halfChord, plateTop - sag);
    lens.quadTo(cx, plateTop + sag, cx + halfChord, plateTop - sag);
    lens.lineTo(cx + halfChord, plateTop - sag - 40);
    lens.lineTo(cx - halfChord, plateTop - sag - 40);
    lens.closeSubpath();
    g.drawPath(lens);
    // R from the centre of curvature (above the picture) down to the contact point.
    g.setPen(QPen(QColor(0, 110, 0), 1, Qt::DashLine));
    g.drawLine(QPointF(cx, 30), QPointF(cx, plateTop));
    g.setPen(QPen(QColor(0, 110, 0), 1));
    g.setFont(pixelFont(13, true));
    g.drawText(QPointF(cx + 6, 55), QStringLiteral("R"));
    arrowHead(g, QPointF(cx, plateTop), QPointF(cx, 30));
    // The gap d at distance r from the contact point.
    const double rx = cx + halfChord * 0.7;
    const double gapTop = plateTop - sag * ((rx - cx) / halfChord) * ((rx - cx) / halfChord);
    g.setPen(QPen(Qt::black, 1));
    arrowHead(g, QPointF(rx + 14, gapTop), QPointF(rx + 14, gapTop - 20));
    arrowHead(g, QPointF(rx + 14, plateTop), QPointF(rx + 14, plateTop + 20));
    g.drawText(QPointF(rx + 20, plateTop - 2), QStringLiteral("d"));
    // An incoming ray and the two reflected ones that interfere.
    g.setPen(QPen(QColor(200, 30, 30), 1.3));
    g.drawLine(QPointF(rx, 10), QPointF(rx, plateTop));
    arrowHead(g, QPointF(rx, plateTop - sag - 50), QPointF(rx, 10));
    g.drawLine(QPointF(rx, gapTop), QPointF(rx - 30, 10));
    g.drawLine(QPointF(rx, plateTop), QPointF(rx - 44, 10));
    arrowHead(g, QPointF(rx - 26, 18), QPointF(rx, gapTop));
    arrowHead(g, QPointF(rx - 40, 18), QPointF(rx, plateTop));
    g.setPen(Qt::black);
    g.setFont(pixelFont(13, true));
    g.drawText(QRectF(0, h - 30, w, 24), Qt::AlignCenter,
               QCoreApplication::translate("NewtonScene", "Схема образования колец Ньютона"));
    return img;
}

QImage drawNewtonClipFrame(QSize size, int wavelength) {
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    img.fill(QColor(20, 20, 24));
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const int radius = std::min(size.width(), size.height()) / 2 - 8;
    const QImage rings = ringsOf(radius, tintedProfile(radius, 10, 0.003, wavelength));
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    g.drawImage(QPointF(c.x() - radius, c.y() - radius), rings);
    g.setPen(QPen(QColor(90, 90, 90), 4));
    g.setBrush(Qt::NoBrush);
    g.drawEllipse(c, radius, radius);
    g.setPen(Qt::white);
    // The face the committed clip was encoded with, whatever the windows use.
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setPixelSize(12);
    g.setFont(face);
    g.drawText(QPointF(8, 18), QCoreApplication::translate("NewtonScene", "%1 нм").arg(wavelength));
    return img;
}
