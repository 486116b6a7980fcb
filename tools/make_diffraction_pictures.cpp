// Draws the four illustrations of the reading page on diffraction:
//   bench.png  (489 x 452) the bench: laser, triangular opening, screen, and
//              an inset of the red triangular spot on the screen;
//   slits.png  (465 x 305) slit patterns for 633 nm and 488 nm, every pixel
//              computed from the slit's intensity law;
//   zones.png  (490 x 144) the three zones and the parameter rho;
//   setups.png (500 x 589) four set-ups with their zones along the axis.
//
//   lumivista-diffraction-pictures OUTDIR [en]   (en: the English texts)
#include "waves/diffraction/SlitDiffraction.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The language the pictures are drawn in: Russian unless "en" is asked for.
bool english = false;

QString say(const char *russian, const char *inEnglish) {
    return QString::fromUtf8(english ? inEnglish : russian);
}

const QColor kInk(20, 20, 20);
const QColor kPaper(255, 255, 255);
// The zone colours; the page's text blocks use their darker kin.
const QColor kGeometric(0, 0, 230), kFresnel(0, 170, 0), kFraunhofer(230, 0, 230);

QFont font(int px, bool bold = false, bool italic = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void text(QPainter &p, QPointF at, const QString &s, int px, bool bold = false,
          const QColor &c = kInk) {
    p.setFont(font(px, bold));
    p.setPen(c);
    p.drawText(at, s);
}

void centredText(QPainter &p, const QRectF &box, const QString &s, int px, bool bold = false,
                 const QColor &c = kInk) {
    p.setFont(font(px, bold));
    p.setPen(c);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, s);
}

void arrow(QPainter &p, QPointF a, QPointF b, const QColor &c, double w = 1.5) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1) return;
    const QPointF u = d / len, n(-u.y(), u.x());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF{b, b - u * 8 + n * 3.5, b - u * 8 - n * 3.5});
    p.setBrush(Qt::NoBrush);
}

// ---- the bench --------------------------------------------------------

void benchRail(QPainter &p) {
    QLinearGradient g(0, 250, 0, 268);
    g.setColorAt(0, QColor(170, 175, 185));
    g.setColorAt(1, QColor(90, 95, 105));
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.setBrush(g);
    p.drawRect(QRectF(12, 250, 465, 16));
    for (double x : {40.0, 445.0}) // feet
        p.drawRect(QRectF(x, 266, 10, 22));
}

void laser(QPainter &p) {
    QLinearGradient g(0, 196, 0, 230);
    g.setColorAt(0, QColor(90, 100, 120));
    g.setColorAt(0.5, QColor(160, 170, 190));
    g.setColorAt(1, QColor(70, 80, 100));
    p.setPen(QPen(QColor(40, 40, 50), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(22, 196, 130, 34), 4, 4);
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(152, 205, 10, 16));
    p.drawRect(QRectF(70, 230, 14, 20)); // stand
    text(p, QPointF(48, 218), say("Ne-лазер", "Ne laser"), 12, true, QColor(255, 255, 255));
    // The beam to the opening.
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawLine(QPointF(162, 213), QPointF(246, 213));
}

void opening(QPainter &p) {
    p.setPen(QPen(QColor(40, 40, 50), 1));
    p.setBrush(QColor(120, 120, 130));
    p.drawRect(QRectF(246, 170, 8, 80));
    p.drawRect(QRectF(243, 250, 14, 4));
    // The triangle in the plate, seen a little from the side.
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(QPolygonF{QPointF(250, 204), QPointF(247, 221), QPointF(253, 219)});
    // A front view of the opening above the plate.
    p.setBrush(QColor(120, 120, 130));
    p.drawRect(QRectF(210, 60, 80, 70));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(QPolygonF{QPointF(250, 72), QPointF(230, 114), QPointF(270, 114)});
    p.setPen(QPen(QColor(90, 90, 100), 1, Qt::DashLine));
    p.drawLine(QPointF(250, 130), QPointF(250, 170));
    centredText(p, QRectF(170, 18, 160, 40), say("Треугольное\nотверстие", "Triangular\naperture"),
                13, true);
}

void screenAndBeam(QPainter &p) {
    // The diverging light behind the opening, faint red.
    QPainterPath cone;
    cone.moveTo(254, 213);
    cone.lineTo(420, 180);
    cone.lineTo(420, 246);
    cone.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 60, 60, 60));
    p.drawPath(cone);
    p.setPen(QPen(QColor(40, 40, 50), 1));
    p.setBrush(QColor(235, 235, 225));
    p.drawPolygon(
        QPolygonF{QPointF(420, 150), QPointF(440, 140), QPointF(440, 270), QPointF(420, 262)});
    p.setBrush(QColor(230, 0, 0));
    p.drawPolygon(QPolygonF{QPointF(428, 200), QPointF(425, 222), QPointF(433, 219)});
    text(p, QPointF(398, 292), say("Экран", "Screen"), 13, true);
}

// The spot: the opening's triangle, its edges fringed, with a faint
// six-rayed glow of light diffracted by the three edges.
QImage spot(int size) {
    QImage img(size, size, QImage::Format_RGB32);
    const double c = size / 2.0, r = size * 0.30;
    const QPointF v[3] = {{c, c - r}, {c - r * 0.866, c + r * 0.5}, {c + r * 0.866, c + r * 0.5}};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Signed distance to the triangle (negative inside).
            double d = -1e9;
            for (int k = 0; k < 3; ++k) {
                const QPointF a = v[k], b = v[(k + 1) % 3];
                const double nx = b.y() - a.y(), ny = a.x() - b.x();
                const double len = std::hypot(nx, ny);
                d = std::max(d, -((x - a.x()) * nx + (y - a.y()) * ny) / len);
            }
            double level = d < 0 ? 0.75 + 0.25 * std::cos(-d * 0.9) * std::exp(d / 6)
                                 : 0.75 * std::exp(-d / 3.5) * (0.6 + 0.4 * std::cos(d * 1.3));
            // Rays across the edges, perpendicular to them.
            for (int k = 0; k < 3; ++k) {
                const double ang = std::atan2(y - c, x - c) - (k * 2.0 + 0.5) * M_PI / 3;
                level +=
                    0.18 * std::exp(-std::pow(std::sin(ang) * std::hypot(x - c, y - c), 2) / 3);
            }
            level = std::clamp(level, 0.0, 1.0);
            img.setPixel(x, y, qRgb(int(255 * level), int(40 * level * level), 0));
        }
    }
    return img;
}

QImage bench() {
    QImage img(489, 452, QImage::Format_RGB32);
    img.fill(kPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    benchRail(p);
    laser(p);
    opening(p);
    screenAndBeam(p);
    // The inset: what is seen on the screen.
    const QRectF inset(250, 300, 140, 140);
    p.drawImage(inset, spot(140));
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inset);
    p.setPen(QPen(QColor(90, 90, 100), 1, Qt::DashLine));
    p.drawLine(QPointF(430, 230), inset.topRight());
    p.drawLine(QPointF(424, 222), inset.topLeft());
    centredText(p, QRectF(20, 320, 220, 100),
                say("Дифракционная картина\nна экране: красное\nтреугольное пятно",
                    "Diffraction pattern\non the screen: a red\ntriangular spot"),
                13, true);
    return img;
}

// ---- the slit patterns --------------------------------------------------

// Film-like exposure: the bright centre saturates, the weak side fringes
// stay visible as on a photograph.
double exposure(double intensity) {
    return 1 - std::exp(-intensity * 14);
}

// One band of fringes: every column's brightness from the slit law, every
// row's from the laser beam's height profile.
void fringeBand(QImage &img, const QRect &band, double wavelength, const QColor &tint) {
    // 0.1 mm slit, screen 2 m away, 0.4 mm per pixel.
    const slit::Setup s{0.1e-3, wavelength, 2.0};
    const std::vector<double> row = slit::row(s, band.width(), 0.4e-3);
    const double cy = band.center().y() + 0.5, halfH = band.height() / 2.0;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        const double t = (y + 0.5 - cy) / halfH;
        const double profile = std::exp(-t * t * 2.2);
        for (int x = 0; x < band.width(); ++x) {
            const double e = exposure(row[x] * profile);
            // Overexposed film turns whitish in the middle.
            const double white = std::max(0.0, e - 0.85) / 0.15 * 0.55;
            const auto ch = [&](int c) { return int(std::min(255.0, c * e + 255 * white)); };
            img.setPixel(band.left() + x, y,
                         qRgb(ch(tint.red()), ch(tint.green()), ch(tint.blue())));
        }
    }
}

QImage slits() {
    QImage img(465, 305, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 0));
    fringeBand(img, QRect(0, 28, 465, 110), 633e-9, QColor(255, 20, 10));
    fringeBand(img, QRect(0, 178, 465, 110), 488e-9, QColor(40, 90, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    text(p, QPointF(8, 19), say("λ = 633 нм (He-Ne лазер)", "λ = 633 nm (He-Ne laser)"), 14, true,
         QColor(255, 150, 140));
    text(p, QPointF(8, 169), say("λ = 488 нм (аргоновый лазер)", "λ = 488 nm (argon laser)"), 14,
         true, QColor(150, 180, 255));
    text(p, QPointF(300, 300), say("щель 0,1 мм, экран 2 м", "slit 0.1 mm, screen 2 m"), 11, false,
         QColor(200, 200, 200));
    return img;
}

// ---- the zones block ----------------------------------------------------

QImage zones() {
    QImage img(490, 144, QImage::Format_RGB32);
    img.fill(kPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    centredText(p, QRectF(4, 2, 482, 54),
                say("В зависимости от расстояний от отверстия размера 2R до "
                    "источника (Z0) и до плоскости наблюдения (Z1) и от длины "
                    "волны λ различают три зоны. Их определяет параметр",
                    "Depending on the distances from the aperture of size 2R to the "
                    "source (Z0) and to the plane of observation (Z1), and on the "
                    "wavelength λ, three zones are told apart. The parameter is"),
                13);
    p.setFont(font(20, true, true));
    p.setPen(kInk);
    p.drawText(QRectF(0, 54, 490, 30), Qt::AlignCenter, QStringLiteral("ρ = R² / (Z1·λ)"));
    const struct {
        QColor c;
        QString s;
    } rows[] = {
        {kGeometric, say("ρ ≫ 1 — прожекторная (геометрооптическая) зона",
                         "ρ ≫ 1 — searchlight (geometric-optics) zone")},
        {kFresnel, say("ρ ~ 1 — зона дифракции Френеля", "ρ ~ 1 — Fresnel diffraction zone")},
        {kFraunhofer,
         say("ρ ≪ 1 — зона дифракции Фраунгофера", "ρ ≪ 1 — Fraunhofer diffraction zone")}};
    for (int i = 0; i < 3; ++i) {
        const double y = 88 + i * 18;
        p.setPen(Qt::NoPen);
        p.setBrush(rows[i].c);
        p.drawRect(QRectF(30, y + 3, 22, 11));
        text(p, QPointF(60, y + 13), rows[i].s, 13, true);
    }
    return img;
}

// ---- the four set-ups ---------------------------------------------------

constexpr double kWallX = 150, kHalfGap = 15, kAxisEnd = 490;

struct Zone {
    double from, to;
    QColor colour;
};

// The opening: a wall with a gap of 2R on the axis.
void wall(QPainter &p, double y0) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(kWallX - 3, y0 - 40, 6, 40 - kHalfGap));
    p.drawRect(QRectF(kWallX - 3, y0 + kHalfGap, 6, 40 - kHalfGap));
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(kWallX - 12, y0 - kHalfGap), QPointF(kWallX - 12, y0 + kHalfGap));
    text(p, QPointF(kWallX - 34, y0 + 4), QStringLiteral("2R"), 11, true);
}

// Zones along the axis: a tinted beam region and a strip under it.
void zoneStrip(QPainter &p, double y0, const std::vector<Zone> &zs) {
    for (const Zone &z : zs) {
        QColor tint = z.colour;
        tint.setAlpha(40);
        p.setPen(Qt::NoPen);
        p.setBrush(tint);
        p.drawRect(QRectF(z.from, y0 - 40, z.to - z.from, 80));
        p.setBrush(z.colour);
        p.drawRect(QRectF(z.from, y0 + 41, z.to - z.from, 6));
    }
    p.setPen(QPen(kInk, 1, Qt::DashDotLine));
    p.drawLine(QPointF(10, y0), QPointF(kAxisEnd, y0));
}

// The beam behind the opening: its geometric edges while they hold, then
// the spreading envelope; `slope` is the edges' own slope (0 for a plane wave).
void beam(QPainter &p, double y0, double slope, double spreadFrom, double spread) {
    QPainterPath top, bottom;
    const auto edge = [&](double x, int sign) {
        const double geometric = kHalfGap + slope * (x - kWallX);
        const double extra = x > spreadFrom ? spread * (x - spreadFrom) : 0;
        return y0 - sign * (std::abs(geometric) + extra);
    };
    top.moveTo(kWallX, edge(kWallX, 1));
    bottom.moveTo(kWallX, edge(kWallX, -1));
    for (double x = kWallX; x <= kAxisEnd; x += 4) {
        top.lineTo(x, std::max(y0 - 40, edge(x, 1)));
        bottom.lineTo(x, std::min(y0 + 40, edge(x, -1)));
    }
    p.setPen(QPen(QColor(200, 0, 0), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(top);
    p.drawPath(bottom);
}

void zoneMarks(QPainter &p, double y0, const std::vector<Zone> &zs) {
    for (const Zone &z : zs) {
        const QString s = z.colour == kGeometric ? QStringLiteral("ρ≫1")
                          : z.colour == kFresnel ? QStringLiteral("ρ~1")
                                                 : QStringLiteral("ρ≪1");
        if (z.to - z.from >= 34)
            centredText(p, QRectF(z.from, y0 + 47, z.to - z.from, 14), s, 11, true, z.colour);
    }
}

void pointSource(QPainter &p, QPointF s, const QString &name) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 120, 0));
    p.drawEllipse(s, 4, 4);
    text(p, s + QPointF(-4, -8), name, 12, true);
}

void rays(QPainter &p, QPointF from, double y0) {
    p.setPen(QPen(QColor(200, 0, 0), 1));
    p.drawLine(from, QPointF(kWallX, y0 - kHalfGap));
    p.drawLine(from, QPointF(kWallX, y0 + kHalfGap));
}

void setupPlane(QPainter &p, double y0) {
    for (double x = 25; x < 140; x += 18)
        p.drawLine(QPointF(x, y0 - 28), QPointF(x, y0 + 28));
    arrow(p, QPointF(30, y0 - 34), QPointF(130, y0 - 34), QColor(200, 0, 0));
    const std::vector<Zone> zs{
        {kWallX, 205, kGeometric}, {205, 305, kFresnel}, {305, kAxisEnd, kFraunhofer}};
    zoneStrip(p, y0, zs);
    beam(p, y0, 0, 200, 0.12);
    zoneMarks(p, y0, zs);
}

void setupFar(QPainter &p, double y0) {
    pointSource(p, QPointF(20, y0), QStringLiteral("S"));
    rays(p, QPointF(20, y0), y0);
    const std::vector<Zone> zs{
        {kWallX, 210, kGeometric}, {210, 340, kFresnel}, {340, kAxisEnd, kFraunhofer}};
    zoneStrip(p, y0, zs);
    beam(p, y0, kHalfGap / (kWallX - 20), 205, 0.10);
    zoneMarks(p, y0, zs);
}

void setupNear(QPainter &p, double y0) {
    pointSource(p, QPointF(105, y0), QStringLiteral("S"));
    rays(p, QPointF(105, y0), y0);
    const std::vector<Zone> zs{{kWallX, 200, kGeometric}, {200, kAxisEnd, kFresnel}};
    zoneStrip(p, y0, zs);
    beam(p, y0, kHalfGap / (kWallX - 105), 190, 0.02);
    zoneMarks(p, y0, zs);
    text(p, QPointF(330, y0 - 30), say("зоны Фраунгофера нет", "no Fraunhofer zone"), 11, true,
         kFresnel);
}

void setupLens(QPainter &p, double y0) {
    pointSource(p, QPointF(20, y0), QStringLiteral("S"));
    p.setPen(QPen(QColor(200, 0, 0), 1));
    for (int s : {-1, 1}) {
        p.drawLine(QPointF(20, y0), QPointF(90, y0 + s * 19));
        p.drawLine(QPointF(90, y0 + s * 19), QPointF(400, y0)); // converging on S'
    }
    QPainterPath lens;
    lens.moveTo(90, y0 - 34);
    lens.quadTo(102, y0, 90, y0 + 34);
    lens.quadTo(78, y0, 90, y0 - 34);
    p.setPen(QPen(QColor(0, 120, 160), 1));
    p.setBrush(QColor(150, 210, 240));
    p.drawPath(lens);
    const std::vector<Zone> zs{{kWallX, 235, kGeometric},
                               {235, 365, kFresnel},
                               {365, 435, kFraunhofer},
                               {435, kAxisEnd, kFresnel}};
    zoneStrip(p, y0, zs);
    zoneMarks(p, y0, zs);
    pointSource(p, QPointF(400, y0), QStringLiteral("S'"));
    text(p, QPointF(300, y0 - 32), say("изображение источника", "image of the source"), 11, true,
         kFraunhofer);
}

void legend(QPainter &p, double top) {
    const struct {
        QColor c;
        QString s;
    } rows[] = {{kGeometric, say("геометрооптическая (прожекторная) зона, ρ ≫ 1",
                                 "geometric-optics (searchlight) zone, ρ ≫ 1")},
                {kFresnel, say("зона дифракции Френеля, ρ ~ 1", "Fresnel diffraction zone, ρ ~ 1")},
                {kFraunhofer,
                 say("зона дифракции Фраунгофера, ρ ≪ 1", "Fraunhofer diffraction zone, ρ ≪ 1")}};
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10, top, 480, 80));
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(rows[i].c);
        p.drawRect(QRectF(22, top + 8 + i * 18, 26, 12));
        text(p, QPointF(58, top + 19 + i * 18), rows[i].s, 13, true);
    }
    text(p, QPointF(22, top + 73),
         say("ρ = (R²/λ)·(1/Z0 + 1/Z1);  для плоской волны Z0 = ∞",
             "ρ = (R²/λ)·(1/Z0 + 1/Z1);  for a plane wave Z0 = ∞"),
         12);
}

QImage setups() {
    QImage img(500, 589, QImage::Format_RGB32);
    img.fill(kPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const struct {
        QString title;
        void (*draw)(QPainter &, double);
    } parts[] = {
        {say("а) плоская волна: источник на бесконечности",
             "a) plane wave: the source at infinity"),
         setupPlane},
        {say("б) точечный источник, Z0 > R²/λ", "b) point source, Z0 > R²/λ"), setupFar},
        {say("в) точечный источник, Z0 ≤ R²/λ", "c) point source, Z0 ≤ R²/λ"), setupNear},
        {say("г) точечный источник и линза перед отверстием",
             "d) point source and a lens before the aperture"),
         setupLens},
    };
    for (int i = 0; i < 4; ++i) {
        const double top = 4 + i * 123, y0 = top + 60;
        text(p, QPointF(10, top + 14), parts[i].title, 13, true);
        p.setPen(QPen(kInk, 1));
        parts[i].draw(p, y0);
        wall(p, y0);
    }
    legend(p, 500);
    return img;
}

bool save(const QImage &img, const QDir &dir, const char *name) {
    const QString path = dir.filePath(QLatin1String(name));
    if (img.save(path, "PNG", 9)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const bool languageOk = argc == 2 || (argc == 3 && std::strcmp(argv[2], "en") == 0);
    if (!languageOk) {
        std::fprintf(stderr, "usage: %s OUTDIR [en]\n", argv[0]);
        return 2;
    }
    english = argc == 3;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "no folder %s\n", argv[1]);
        return 2;
    }
    const bool ok = save(bench(), dir, "bench.png") && save(slits(), dir, "slits.png") &&
                    save(zones(), dir, "zones.png") && save(setups(), dir, "setups.png");
    return ok ? 0 : 1;
}
