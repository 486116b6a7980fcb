#include "atomic/xray/XrayPictures.h"

#include "canvas/Fonts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor kInk(40, 40, 60);
const QColor kGlass(215, 232, 248);
const QColor kGlassEdge(70, 110, 150);
const QColor kMetal(150, 152, 165);
const QColor kCopper(196, 118, 64);
const QColor kHot(235, 80, 20);
const QColor kElectrons(30, 80, 220);
const QColor kRays(150, 40, 170);

QImage blank(int w, int h, const QColor &fill) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void arrowHead(QPainter &p, QPointF tip, double angle, double size) {
    const QPointF a = tip - QPointF(size * std::cos(angle - 0.4), size * std::sin(angle - 0.4));
    const QPointF b = tip - QPointF(size * std::cos(angle + 0.4), size * std::sin(angle + 0.4));
    p.drawPolygon(QPolygonF({tip, a, b}));
}

// A numbered circle with a leader line to the part it names.
void callout(QPainter &p, int number, QPointF at, QPointF part) {
    const double r = 9;
    const QPointF d = part - at;
    const double len = std::hypot(d.x(), d.y());
    p.setPen(QPen(kInk, 1));
    if (len > r) p.drawLine(at + d * (r / len), part);
    p.setBrush(Qt::white);
    p.drawEllipse(at, r, r);
    p.setFont(pixelFont(12, true));
    p.drawText(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
               QString::number(number));
}

void drawBulb(QPainter &p) {
    QPainterPath glass;
    glass.addRoundedRect(QRectF(60, 62, 400, 136), 68, 68);
    glass.addRect(QRectF(25, 112, 40, 36));  // cathode neck
    glass.addRect(QRectF(455, 112, 40, 36)); // anode neck
    p.setPen(QPen(kGlassEdge, 2));
    p.setBrush(kGlass);
    p.drawPath(glass.simplified());
}

void drawCathode(QPainter &p) {
    // The focusing cup, open towards the anode, and the heated coil in it.
    p.setPen(QPen(kInk, 1));
    p.setBrush(kMetal);
    p.drawPolygon(
        QPolygonF({QPointF(110, 100), QPointF(136, 100), QPointF(136, 108), QPointF(120, 108),
                   QPointF(120, 152), QPointF(136, 152), QPointF(136, 160), QPointF(110, 160)}));
    QPainterPath coil;
    coil.moveTo(123, 116);
    for (int i = 0; i < 7; ++i)
        coil.lineTo(i % 2 ? 123 : 132, 118 + i * 4);
    coil.lineTo(123, 144);
    p.setPen(QPen(kHot, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(coil);
    // Leads of the coil out through the neck to the heater terminals.
    p.setPen(QPen(kInk, 1.5));
    p.drawPolyline(QPolygonF({QPointF(123, 116), QPointF(115, 122), QPointF(22, 122)}));
    p.drawPolyline(QPolygonF({QPointF(123, 144), QPointF(115, 138), QPointF(22, 138)}));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(18, 122), 3.5, 3.5);
    p.drawEllipse(QPointF(18, 138), 3.5, 3.5);
    p.setFont(pixelFont(11, false, true));
    p.drawText(QPointF(2, 158), QCoreApplication::translate("XrayPictures", "Uн"));
}

void drawAnode(QPainter &p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kCopper);
    p.drawRect(QRectF(440, 118, 78, 24));
    // The inclined face sends the rays out downwards.
    p.drawPolygon(
        QPolygonF({QPointF(378, 104), QPointF(442, 104), QPointF(442, 156), QPointF(414, 156)}));
    p.setPen(QPen(QColor(90, 90, 100), 4));
    p.drawLine(QPointF(382, 110), QPointF(410, 150));
}

void drawSupply(QPainter &p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    // Minus to the cathode, plus to the anode.
    p.drawPolyline(QPolygonF({QPointF(30, 122), QPointF(30, 30), QPointF(252, 30)}));
    p.drawPolyline(QPolygonF({QPointF(268, 30), QPointF(518, 30), QPointF(518, 130)}));
    p.setPen(QPen(kInk, 5));
    p.drawLine(QPointF(254, 22), QPointF(254, 38));
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(266, 14), QPointF(266, 46));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(300, 30), 4, 4);
    p.setFont(pixelFont(14, true));
    p.drawText(QPointF(236, 20), QStringLiteral("−"));
    p.drawText(QPointF(272, 20), QStringLiteral("+"));
    p.setFont(pixelFont(11, false, true));
    p.drawText(QPointF(210, 56), QCoreApplication::translate("XrayPictures", "Uа (десятки кВ)"));
}

void drawElectrons(QPainter &p) {
    p.setPen(QPen(kElectrons, 1.5, Qt::DashLine));
    p.setBrush(kElectrons);
    for (int dy : {-10, 0, 10}) {
        const QPointF from(140, 130 + dy * 1.6);
        const QPointF to(384, 126 + dy * 0.6);
        p.drawLine(from, to);
        p.setPen(QPen(kElectrons, 1));
        arrowHead(p, to, std::atan2(to.y() - from.y(), to.x() - from.x()), 8);
        p.setPen(QPen(kElectrons, 1.5, Qt::DashLine));
    }
    p.setPen(kElectrons);
    p.setFont(pixelFont(13, true, true));
    p.drawText(QPointF(250, 110), QStringLiteral("e⁻"));
}

void drawRays(QPainter &p) {
    const QPointF source(398, 132);
    p.setBrush(kRays);
    for (double deg : {70.0, 90.0, 110.0}) {
        const double a = deg * M_PI / 180;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        QPainterPath wave;
        wave.moveTo(source + dir * 14);
        for (double s = 14; s <= 104; s += 2)
            wave.lineTo(source + dir * s + side * (4 * std::sin(s / 4)));
        p.setPen(QPen(kRays, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        p.setBrush(kRays);
        p.setPen(QPen(kRays, 1));
        arrowHead(p, source + dir * 114, a, 9);
    }
    p.setPen(kRays);
    p.setFont(pixelFont(11, false, true));
    p.drawText(QPointF(448, 228), QCoreApplication::translate("XrayPictures", "рентгеновские"));
    p.drawText(QPointF(448, 241), QCoreApplication::translate("XrayPictures", "лучи"));
}

void drawLegend(QPainter &p) {
    p.setPen(kInk);
    p.setFont(pixelFont(12));
    const char *const names[] = {
        QT_TRANSLATE_NOOP("XrayPictures", "1 — катод"),
        QT_TRANSLATE_NOOP("XrayPictures", "2 — нить накала"),
        QT_TRANSLATE_NOOP("XrayPictures", "3 — стеклянный баллон"),
        QT_TRANSLATE_NOOP("XrayPictures", "4 — анод"),
        QT_TRANSLATE_NOOP("XrayPictures", "5 — плюс источника высокого напряжения")};
    const QPointF at[] = {QPointF(12, 276), QPointF(12, 294), QPointF(12, 312), QPointF(190, 276),
                          QPointF(190, 294)};
    for (int i = 0; i < 5; ++i)
        p.drawText(at[i], QCoreApplication::translate("XrayPictures", names[i]));
    p.setPen(kElectrons);
    p.drawText(QPointF(190, 312),
               QCoreApplication::translate("XrayPictures", "e⁻ — поток электронов"));
}

} // namespace

QImage drawTubeDiagram() {
    QImage img = blank(kTubeDiagramSize.width(), kTubeDiagramSize.height(), Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawSupply(p);
    drawBulb(p);
    drawCathode(p);
    drawAnode(p);
    drawElectrons(p);
    drawRays(p);
    callout(p, 1, QPointF(96, 228), QPointF(114, 160));
    callout(p, 2, QPointF(150, 228), QPointF(128, 141));
    callout(p, 3, QPointF(240, 228), QPointF(240, 197));
    callout(p, 4, QPointF(486, 76), QPointF(436, 106));
    callout(p, 5, QPointF(330, 60), QPointF(302, 33));
    drawLegend(p);
    return img;
}

QImage drawTubeOnStand() {
    QImage img = blank(kTubeOnStandSize.width(), kTubeOnStandSize.height(), Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Stand: heavy foot, column, clamp.
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(70, 72, 80));
    p.drawRoundedRect(QRectF(10, 282, 106, 16), 4, 4);
    p.setBrush(QColor(120, 122, 130));
    p.drawRect(QRectF(57, 178, 12, 104));
    p.setBrush(QColor(40, 40, 45));
    p.drawRoundedRect(QRectF(44, 164, 38, 18), 3, 3);
    // The tube upright: cathode at the top, anode below.
    p.setPen(QPen(kGlassEdge, 2));
    p.setBrush(kGlass);
    p.drawEllipse(QRectF(28, 36, 70, 128));
    p.drawRect(QRectF(52, 14, 22, 24));
    p.setPen(QPen(kInk, 1));
    p.setBrush(kCopper);
    p.drawRect(QRectF(57, 118, 12, 48));
    p.drawPolygon(
        QPolygonF({QPointF(52, 120), QPointF(74, 108), QPointF(74, 130), QPointF(52, 130)}));
    p.setBrush(kMetal);
    p.drawRect(QRectF(55, 40, 16, 14));
    p.setPen(QPen(kHot, 2));
    p.drawLine(QPointF(58, 56), QPointF(68, 56));
    // Cable to the cathode.
    p.setPen(QPen(QColor(20, 20, 20), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(63, 14);
    cable.cubicTo(63, 0, 110, 4, 118, 40);
    p.drawPath(cable);
    p.setPen(kInk);
    p.setFont(pixelFont(10));
    p.drawText(QRectF(0, 188, 54, 40), Qt::AlignCenter | Qt::TextWordWrap,
               QCoreApplication::translate("XrayPictures", "трубка на штативе"));
    return img;
}

QImage drawIntensitySymbol() {
    QImage img =
        blank(kIntensitySymbolSize.width(), kIntensitySymbolSize.height(), Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(0, 0, 255));
    p.setFont(pixelFont(22, true, true));
    p.drawText(QPointF(14, 26), QStringLiteral("I"));
    p.setFont(pixelFont(13, false, true));
    p.drawText(QPointF(24, 32), QStringLiteral("λ"));
    return img;
}

QImage drawWavelengthSymbol() {
    QImage img =
        blank(kWavelengthSymbolSize.width(), kWavelengthSymbolSize.height(), Qt::transparent);
    QPainter p(&img);
    p.setPen(QColor(0, 0, 255));
    p.setFont(pixelFont(17, true, true));
    p.drawText(QRectF(0, 0, 20, 21), Qt::AlignCenter, QStringLiteral("λ"));
    return img;
}

namespace {
// The axes and a spectrum with its lines, drawn on a 16 x 16 design grid
// and scaled to a square of `size` pixels.
QImage spectrumSketch(int size, const QColor &fill) {
    QImage img = blank(size, size, fill);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 16.0;
    p.setPen(QPen(QColor(0, 0, 255), s));
    p.drawPolyline(
        QPolygonF({QPointF(2 * s, 2 * s), QPointF(2 * s, 14 * s), QPointF(14 * s, 14 * s)}));
    p.setPen(QPen(QColor(255, 0, 0), s));
    p.drawPolyline(
        QPolygonF({QPointF(3 * s, 14 * s), QPointF(5 * s, 9 * s), QPointF(6.5 * s, 3 * s),
                   QPointF(7.5 * s, 9 * s), QPointF(9 * s, 10 * s), QPointF(13.5 * s, 12.5 * s)}));
    return img;
}
} // namespace

QImage drawDrawGlyph() {
    return spectrumSketch(16, Qt::transparent);
}

QImage drawClearGlyph() {
    QImage img = blank(16, 16, Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 10, 13));
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(QPointF(5, 5), QPointF(13, 13));
    p.drawLine(QPointF(13, 5), QPointF(5, 13));
    return img;
}

QImage drawXrayIcon() {
    return spectrumSketch(32, Qt::white);
}
