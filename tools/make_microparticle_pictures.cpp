// Draws the three pictures of the microparticle window's first page: the
// set-up, the crystal lattice of the sample and a recorded pattern rendered
// from the program's own electron model.
//
//   lumivista-microparticle-pictures OUTDIR [en]
//
// With "en" only the pictures that carry words (the set-up and the pattern)
// are drawn, in English.
#include "atomic/microparticles/DifrScreen.h"
#include "atomic/microparticles/ElectronSampler.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The language of the words in the pictures: Russian unless "en" is asked for.
bool english = false;

QString say(const char *russian, const char *inEnglish) {
    return QString::fromUtf8(english ? inEnglish : russian);
}

const QColor kInk(30, 30, 30), kBeam(0, 110, 230), kMetal(150, 150, 160), kFoil(200, 150, 40);

void arrow(QPainter &p, QPointF a, QPointF b, const QColor &c) {
    p.setPen(QPen(c, 1.5));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{b, b - u * 7 + n * 3, b - u * 7 - n * 3});
    p.setBrush(Qt::NoBrush);
}

// The face the committed pictures were drawn in, whatever the windows use.
QFont pictureFont(int px) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    return f;
}

void text(QPainter &p, QPointF at, const QString &s, int px = 12) {
    p.setFont(pictureFont(px));
    p.setPen(kInk);
    p.drawText(at, s);
}

// The gun: heated cathode, a grid cylinder and the anode with its hole,
// the high-voltage source between cathode and anode.
void drawGun(QPainter &p) {
    p.setPen(QPen(kInk, 1.5));
    QPainterPath coil;
    coil.moveTo(138, 30);
    for (int k = 0; k < 6; ++k)
        coil.lineTo(141 + 4 * k, k % 2 ? 30 : 24);
    coil.lineTo(164, 30);
    p.drawPath(coil);
    p.drawLine(QPointF(138, 30), QPointF(138, 12));
    p.drawLine(QPointF(164, 30), QPointF(164, 12));
    p.setBrush(kMetal);
    p.drawRect(QRectF(126, 38, 50, 22));
    p.setBrush(QColor(235, 235, 240));
    p.drawRect(QRectF(145, 38, 12, 22));
    p.setBrush(kMetal);
    p.drawRect(QRectF(104, 84, 40, 10));
    p.drawRect(QRectF(158, 84, 40, 10));
    // The source: + to the anode, - to the cathode.
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(138, 12), QPointF(40, 12));
    p.drawLine(QPointF(40, 12), QPointF(40, 42));
    // Short thick plate minus (to the cathode), long thin plate plus.
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(33, 42), QPointF(47, 42));
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(28, 48), QPointF(52, 48));
    p.drawLine(QPointF(40, 48), QPointF(40, 89));
    p.drawLine(QPointF(40, 89), QPointF(104, 89));
    text(p, QPointF(56, 50), QStringLiteral("U"), 15);
    text(p, QPointF(14, 40), QStringLiteral("−"), 14);
    text(p, QPointF(14, 58), QStringLiteral("+"), 14);
    text(p, QPointF(184, 26), say("катод", "cathode"));
    text(p, QPointF(184, 54), say("электронная", "electron"));
    text(p, QPointF(184, 68), say("пушка", "gun"));
    text(p, QPointF(204, 100), say("анод", "anode"));
}

// Beam, foil and the screen seen obliquely with the rings on it.
void drawBeamAndScreen(QPainter &p) {
    const double cx = 151, foilY = 168, screenY = 330;
    p.setPen(QPen(kBeam, 3));
    p.drawLine(QPointF(cx, 60), QPointF(cx, foilY));
    arrow(p, QPointF(cx + 14, 112), QPointF(cx + 14, 146), kBeam);
    text(p, QPointF(cx + 22, 136), QStringLiteral("e⁻"), 14);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kFoil);
    QPolygonF foil{{95, foilY - 6}, {215, foilY - 6}, {195, foilY + 6}, {75, foilY + 6}};
    p.drawPolygon(foil);
    text(p, QPointF(12, foilY - 22), say("поликристаллическая", "polycrystalline"), 11);
    text(p, QPointF(12, foilY - 10), say("фольга", "foil"), 11);
    // Diffracted cones to two rings, and the direct beam.
    const double radii[] = {40, 78};
    for (double r : radii) {
        p.setPen(QPen(QColor(120, 170, 240), 1, Qt::DashLine));
        p.drawLine(QPointF(cx, foilY), QPointF(cx - r * 1.5, screenY));
        p.drawLine(QPointF(cx, foilY), QPointF(cx + r * 1.5, screenY));
    }
    p.setPen(QPen(kBeam, 2));
    p.drawLine(QPointF(cx, foilY), QPointF(cx, screenY));
    // The screen: a fluorescent plate seen from above at a slant.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(20, 40, 30));
    p.drawEllipse(QPointF(cx, screenY), 138, 40);
    p.setBrush(Qt::NoBrush);
    for (double r : radii) {
        p.setPen(QPen(QColor(140, 255, 170), 2));
        p.drawEllipse(QPointF(cx, screenY), r * 1.5, r * 1.5 * 40 / 138);
    }
    p.setBrush(QColor(190, 255, 200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx, screenY), 9, 3);
    text(p, QPointF(12, 384), say("люминесцентный экран", "fluorescent screen"));
}

QImage setupPicture() {
    QImage img(301, 392, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawGun(p);
    drawBeamAndScreen(p);
    return img;
}

// A cubic cell repeated 4 x 2 x 2 in oblique projection, atoms as balls.
QImage latticePicture() {
    QImage img(301, 152, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double a = 44, ox = 40, oy = 128, kx = 0.45, ky = 0.35;
    auto at = [&](int i, int j, int k) {
        return QPointF(ox + a * i + a * kx * k, oy - a * j - a * ky * k);
    };
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int k = 2; k >= 0; --k)
        for (int j = 0; j <= 2; ++j)
            for (int i = 0; i <= 4; ++i) {
                if (i < 4) p.drawLine(at(i, j, k), at(i + 1, j, k));
                if (j < 2) p.drawLine(at(i, j, k), at(i, j + 1, k));
                if (k < 2) p.drawLine(at(i, j, k), at(i, j, k + 1));
            }
    for (int k = 2; k >= 0; --k)
        for (int j = 0; j <= 2; ++j)
            for (int i = 0; i <= 4; ++i) {
                const QPointF c = at(i, j, k);
                QRadialGradient g(c - QPointF(2.5, 2.5), 8);
                g.setColorAt(0, QColor(255, 230, 200));
                g.setColorAt(1, QColor(170, 80, 20));
                p.setBrush(g);
                p.setPen(Qt::NoPen);
                p.drawEllipse(c, 6.5, 6.5);
            }
    p.setPen(QPen(kInk, 1));
    const QPointF d0 = at(0, 0, 0) + QPointF(0, 12), d1 = at(1, 0, 0) + QPointF(0, 12);
    p.drawLine(d0, d1);
    p.drawLine(d0 - QPointF(0, 3), d0 + QPointF(0, 3));
    p.drawLine(d1 - QPointF(0, 3), d1 + QPointF(0, 3));
    text(p, (d0 + d1) / 2 + QPointF(-3, -2), QStringLiteral("d"));
    return img;
}

// What the screen shows after 8,000 electrons at 80 kV.
QImage patternPicture() {
    const QSize size(301, 224);
    electrons::HitGrid grid;
    electrons::ElectronSampler sampler(51);
    const float scale = *electrons::scaleFor(80);
    for (int n = 0; n < 8000; ++n) {
        const electrons::Landing hit = sampler.next(scale);
        grid.add(hit.dx, hit.dy, size.width(), size.height());
    }
    QImage img = renderHits(grid, size, QRect(QPoint(0, 0), size), qRgb(255, 255, 255), 0);
    QPainter p(&img);
    p.setFont(pictureFont(12));
    p.setPen(QColor(180, 180, 180));
    p.drawText(QPointF(6, 216), say("U = 80 кВ, 8 000 электронов", "U = 80 kV, 8,000 electrons"));
    return img;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && !(argc == 3 && std::strcmp(argv[2], "en") == 0)) {
        std::fprintf(stderr, "usage: %s OUTDIR [en]\n", argv[0]);
        return 2;
    }
    english = argc == 3;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool ok =
        setupPicture().save(out.filePath(QStringLiteral("setup.png"))) &&
        (english || latticePicture().save(out.filePath(QStringLiteral("lattice.png")))) &&
        patternPicture().save(out.filePath(QStringLiteral("pattern.png")));
    if (!ok) std::fprintf(stderr, "could not write the pictures\n");
    return ok ? 0 : 1;
}
