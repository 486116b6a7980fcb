// Draws the three small pictures of the mirror window on a transparent
// ground: the bright lamp (32 x 48), the eye (32 x 32) and the dim lamp
// that stands for the lamp's image behind the mirror (32 x 48).
//
//   lumivista-mirror-pictures OUTDIR
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

struct LampLook {
    QColor glowInner, glowOuter, glass, filament, base, baseLine;
    bool beams;
};

// The bulb's glass: a round top narrowing into the neck above the base.
QPainterPath glassOutline() {
    QPainterPath p;
    p.moveTo(11, 33);
    p.cubicTo(11, 28, 3, 24, 3, 16);
    p.cubicTo(3, 8, 9, 3, 16, 3);
    p.cubicTo(23, 3, 29, 8, 29, 16);
    p.cubicTo(29, 24, 21, 28, 21, 33);
    p.closeSubpath();
    return p;
}

void drawLamp(QPainter &p, const LampLook &look) {
    p.setRenderHint(QPainter::Antialiasing);
    if (look.beams) {
        // Short beams around the glass show that it shines.
        p.setPen(QPen(look.glowOuter, 1.4, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 8; ++k) {
            const double t = std::numbers::pi * (0.85 + k * 0.19);
            p.drawLine(QPointF(16 + 13.5 * std::cos(t), 16 - 13.5 * std::sin(t)),
                       QPointF(16 + 15.5 * std::cos(t), 16 - 15.5 * std::sin(t)));
        }
    }
    QRadialGradient glow(QPointF(16, 15), 14);
    glow.setColorAt(0, look.glowInner);
    glow.setColorAt(1, look.glowOuter);
    p.setBrush(glow);
    p.setPen(QPen(look.glass, 1));
    p.drawPath(glassOutline());
    // The filament on its two supports.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.filament, 1.2));
    QPainterPath f;
    f.moveTo(13, 32);
    f.lineTo(13, 20);
    f.lineTo(14.5, 16);
    f.lineTo(16, 19);
    f.lineTo(17.5, 16);
    f.lineTo(19, 20);
    f.lineTo(19, 32);
    p.drawPath(f);
    // The screw base.
    p.setPen(QPen(look.baseLine, 1));
    p.setBrush(look.base);
    p.drawRoundedRect(QRectF(10.5, 33, 11, 10), 1.5, 1.5);
    for (int y = 36; y <= 41; y += 2)
        p.drawLine(QPointF(11, y), QPointF(21, y - 1));
    p.setBrush(look.baseLine);
    p.drawEllipse(QRectF(13.5, 43, 5, 3.5));
}

QImage lamp(bool bright) {
    QImage img(32, 48, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    if (bright)
        drawLamp(p, {QColor(255, 255, 235), QColor(255, 214, 40), QColor(255, 240, 150),
                     QColor(255, 120, 0), QColor(190, 190, 200), QColor(110, 110, 120), true});
    else // the image: the same lamp, dim and half transparent
        drawLamp(p, {QColor(150, 140, 90, 170), QColor(95, 85, 40, 150), QColor(140, 130, 90),
                     QColor(130, 80, 30), QColor(90, 90, 96, 170), QColor(70, 70, 76), false});
    return img;
}

// An eye looking left, towards the mirror.
QImage eye() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath lids;
    lids.moveTo(1, 16);
    lids.cubicTo(6, -2, 26, -2, 31, 16);
    lids.cubicTo(26, 34, 6, 34, 1, 16);
    p.setPen(QPen(QColor(230, 200, 170), 1.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(lids);
    p.setClipPath(lids);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 200));
    p.drawEllipse(QPointF(11, 16), 9, 9);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(QPointF(9.5, 16), 4.2, 4.2);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(8, 14), 1.5, 1.5);
    p.setClipping(false);
    return img;
}

bool save(const QImage &img, const QDir &dir, const char *name) {
    const QString path = dir.filePath(QLatin1String(name));
    if (img.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "no folder %s\n", argv[1]);
        return 2;
    }
    const bool ok = save(lamp(true), dir, "lamp.png") && save(eye(), dir, "eye.png") &&
                    save(lamp(false), dir, "lamp_image.png");
    return ok ? 0 : 1;
}
