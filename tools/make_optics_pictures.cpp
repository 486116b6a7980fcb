// Draws the pictures of the refraction and prism windows: the two lamps, the
// prism spectrometer diagram and the looping prism animation (frames
// assembled into a GIF with ImageMagick's convert).
//
//   lumivista-optics-pictures RESOURCES_DIR [en]
//
// With "en" only the picture that carries words, the spectrometer, is drawn,
// in English, as prism/en/spectrometer.png.
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <optional>
#include <utility>

namespace {
constexpr double kPi = std::numbers::pi;

// The language of the words in the pictures: Russian unless "en" is asked for.
bool english = false;

// A light bulb with its globe towards +x, base at the origin side, in a
// box of length len and globe diameter dia, centred on the x axis.
void bulb(QPainter &p, double len, double dia) {
    const double baseLen = len * 0.32, neck = dia * 0.45;
    // Glow around the globe.
    QRadialGradient glow(QPointF(len - dia / 2, 0), dia * 0.75);
    glow.setColorAt(0, QColor(255, 255, 200, 200));
    glow.setColorAt(1, QColor(255, 255, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(len - dia / 2, 0), dia * 0.75, dia * 0.75);
    // Glass: a globe joined to the base by a neck.
    QPainterPath glass;
    glass.moveTo(baseLen, -neck / 2);
    glass.cubicTo(baseLen + dia * 0.3, -neck / 2, len - dia * 0.9, -dia / 2, len - dia / 2,
                  -dia / 2);
    glass.arcTo(QRectF(len - dia, -dia / 2, dia, dia), 90, -180);
    glass.cubicTo(len - dia * 0.9, dia / 2, baseLen + dia * 0.3, neck / 2, baseLen, neck / 2);
    glass.closeSubpath();
    QRadialGradient shine(QPointF(len - dia * 0.6, -dia * 0.15), dia * 0.7);
    shine.setColorAt(0, QColor(255, 255, 245));
    shine.setColorAt(1, QColor(255, 225, 90));
    p.setBrush(shine);
    p.setPen(QPen(QColor(170, 140, 40), 1));
    p.drawPath(glass);
    // Filament.
    p.setPen(QPen(QColor(230, 110, 0), 1));
    p.drawLine(QPointF(baseLen + 2, -2), QPointF(len - dia * 0.55, -dia * 0.12));
    p.drawLine(QPointF(baseLen + 2, 2), QPointF(len - dia * 0.55, dia * 0.12));
    // Screw base: grey bands and a dark contact.
    p.setPen(QPen(QColor(80, 80, 80), 1));
    for (int i = 0; i < 3; ++i) {
        const double x = baseLen * i / 3.0;
        p.setBrush(i % 2 ? QColor(150, 150, 150) : QColor(195, 195, 195));
        p.drawRect(QRectF(x + 1, -neck / 2, baseLen / 3.0, neck));
    }
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(-1, -neck / 4, 3, neck / 2));
}

QImage transparentImage(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// 48 x 32, tilted so that the globe points down to the right.
QImage tiltedLamp() {
    QImage img = transparentImage(48, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(7, 4);
    p.rotate(33);
    bulb(p, 42, 20);
    return img;
}

// 32 x 48, globe up.
QImage uprightLamp() {
    QImage img = transparentImage(32, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 46);
    p.rotate(-90);
    bulb(p, 44, 24);
    return img;
}

void arrowLabel(QPainter &p, QPointF a, QPointF b, const QString &text) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(a, b);
    for (const QPointF &end : {a, b}) {
        const QPointF other = end == a ? b : a;
        const QPointF d = other - end;
        const double len = std::hypot(d.x(), d.y());
        const QPointF u = d / len, n(-u.y(), u.x());
        p.drawLine(end, end + u * 5 + n * 3);
        p.drawLine(end, end + u * 5 - n * 3);
    }
    p.drawText(QRectF(a.x(), a.y() - 16, b.x() - a.x(), 14), Qt::AlignCenter, text);
}

void lensShape(QPainter &p, double x, double yc, double h) {
    QPainterPath l;
    l.moveTo(x, yc - h / 2);
    l.quadTo(x + 9, yc, x, yc + h / 2);
    l.quadTo(x - 9, yc, x, yc - h / 2);
    p.setPen(QPen(QColor(0, 90, 140), 1));
    p.setBrush(QColor(170, 220, 245));
    p.drawPath(l);
}

// The prism spectrometer: slit, collimator, prism, camera lens, focal plane.
QImage spectrometer() {
    QImage img(548, 194, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    p.setFont(f);
    const double y0 = 112, slitX = 28, lens1X = 128, lens2X = 392;
    // Slit S.
    p.fillRect(QRectF(slitX - 2, y0 - 34, 4, 31), Qt::black);
    p.fillRect(QRectF(slitX - 2, y0 + 3, 4, 31), Qt::black);
    p.drawText(QPointF(slitX - 18, y0 + 5), QStringLiteral("S"));
    // Light from the slit opens up to the collimator, then runs parallel.
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (const double dy : {-26.0, 0.0, 26.0}) {
        p.drawLine(QPointF(slitX, y0), QPointF(lens1X, y0 + dy));
        p.drawLine(QPointF(lens1X, y0 + dy), QPointF(226, y0 + dy - (dy + 26) * 0.25));
    }
    lensShape(p, lens1X, y0, 70);
    // Prism P, apex up.
    const QPolygonF prism{{262, 34}, {316, 150}, {208, 150}};
    p.setPen(QPen(QColor(0, 90, 90), 1));
    p.setBrush(QColor(190, 240, 240));
    p.drawPolygon(prism);
    p.setPen(Qt::black);
    p.drawText(QPointF(256, 132), QStringLiteral("P"));
    p.drawText(QPointF(242, 168), QStringLiteral("n(λ)"));
    // Inside the prism the light runs almost parallel to the base.
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (const double dy : {-26.0, 0.0, 26.0})
        p.drawLine(QPointF(226, y0 + dy - (dy + 26) * 0.25), QPointF(290, 92 + dy * 0.55));
    // Coloured bundles: each colour leaves the prism as a parallel bundle at
    // its own angle, and the camera lens brings it to its own point of the
    // focal plane.
    const QColor colours[3] = {QColor(220, 0, 0), QColor(0, 170, 0), QColor(120, 0, 220)};
    const double slope[3] = {-0.16, 0.02, 0.22};
    const double f2 = 118;
    for (int c = 0; c < 3; ++c) {
        p.setPen(QPen(colours[c], 1.3));
        const QPointF focus(lens2X + f2 + (c - 1) * 8, 104 + f2 * slope[c]);
        for (const double dy : {-26.0, 0.0, 26.0}) {
            const QPointF out(290 + dy * 0.25, 92 + dy * 0.55);
            const QPointF atLens(lens2X, out.y() + slope[c] * (lens2X - out.x()));
            p.drawLine(out, atLens);
            p.drawLine(atLens, focus);
        }
    }
    lensShape(p, lens2X, 104, 96);
    // Focal plane of the camera lens, tilted.
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(495, 62), QPointF(527, 148));
    p.setPen(Qt::black);
    // Focal lengths.
    arrowLabel(p, QPointF(slitX, 22), QPointF(lens1X, 22), QStringLiteral("f₁"));
    arrowLabel(p, QPointF(lens2X, 22), QPointF(510, 22), QStringLiteral("f₂"));
    if (english) {
        // Centred under their lenses: the English words differ in length.
        const QFontMetricsF metrics(p.font());
        for (const auto &[x, word] : {std::pair{lens1X, "collimator"}, {lens2X, "camera lens"}}) {
            const QString s = QString::fromLatin1(word);
            p.drawText(QPointF(x - metrics.horizontalAdvance(s) / 2, 188), s);
        }
    } else {
        p.drawText(QPointF(lens1X - 40, 188), QStringLiteral("коллиматор"));
        p.drawText(QPointF(lens2X - 30, 188), QStringLiteral("объектив"));
    }
    return img;
}

// A ray through a prism for the animation: vector form of Snell's law.
struct V {
    double x, y;
};
V operator+(V a, V b) {
    return {a.x + b.x, a.y + b.y};
}
V operator-(V a, V b) {
    return {a.x - b.x, a.y - b.y};
}
V operator*(double k, V a) {
    return {k * a.x, k * a.y};
}
double dot(V a, V b) {
    return a.x * b.x + a.y * b.y;
}
double cross(V a, V b) {
    return a.x * b.y - a.y * b.x;
}

// Where the ray o + t d first meets segment a..b (t > eps).
std::optional<double> hit(V o, V d, V a, V b) {
    const V e = b - a;
    const double den = cross(d, e);
    if (std::fabs(den) < 1e-12) return std::nullopt;
    const double t = cross(a - o, e) / den, u = cross(a - o, d) / den;
    if (t <= 1e-6 || u < 0 || u > 1) return std::nullopt;
    return t;
}

// Refracts d at a surface with normal n from index n1 into n2.
std::optional<V> refract(V d, V n, double n1, double n2) {
    if (dot(d, n) > 0) n = -1 * n;
    const double c = -dot(d, n), r = n1 / n2, k = 1 - r * r * (1 - c * c);
    if (k < 0) return std::nullopt;
    return r * d + (r * c - std::sqrt(k)) * n;
}

QImage animationFrame(double phase) {
    QImage img(120, 90, QImage::Format_RGB32);
    img.fill(QColor(10, 12, 30));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double turn = 0.09 * std::sin(2 * kPi * phase);
    const V centre{50, 44};
    std::array<V, 3> tri;
    for (int i = 0; i < 3; ++i) {
        const double a = -kPi / 2 + turn + 2 * kPi * i / 3;
        tri[std::size_t(i)] = centre + V{24 * std::cos(a), 24 * std::sin(a)};
    }
    p.setPen(QPen(QColor(120, 200, 200), 1));
    p.setBrush(QColor(40, 90, 100));
    p.drawPolygon(QPolygonF{{tri[0].x, tri[0].y}, {tri[1].x, tri[1].y}, {tri[2].x, tri[2].y}});
    // Screen on the right.
    p.fillRect(QRectF(112, 8, 4, 76), QColor(200, 200, 200));
    const V from{0, 52}, dir0{1, -0.30};
    const V d0 = (1 / std::sqrt(dot(dir0, dir0))) * dir0;
    const QColor spectrum[7] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                                {0, 200, 255}, {0, 60, 255},  {170, 0, 255}};
    bool whiteDrawn = false;
    for (int c = 0; c < 7; ++c) {
        const double n = 1.46 + 0.035 * c;
        V o = from, d = d0;
        double inside = 1;
        bool lost = false;
        for (int bounce = 0; bounce < 2 && !lost; ++bounce) {
            std::optional<double> best;
            int edge = -1;
            for (int e = 0; e < 3; ++e)
                if (auto t = hit(o, d, tri[std::size_t(e)], tri[std::size_t((e + 1) % 3)]);
                    t && (!best || *t < *best)) {
                    best = t;
                    edge = e;
                }
            if (!best) {
                lost = true;
                break;
            }
            const V at = o + *best * d;
            p.setPen(QPen(bounce == 0 ? QColor(255, 255, 255) : spectrum[c], 1.2));
            if (bounce > 0 || !whiteDrawn) p.drawLine(QPointF(o.x, o.y), QPointF(at.x, at.y));
            if (bounce == 0) whiteDrawn = true;
            const V e = tri[std::size_t((edge + 1) % 3)] - tri[std::size_t(edge)];
            const V normal = (1 / std::sqrt(dot(e, e))) * V{-e.y, e.x};
            const double next = bounce == 0 ? n : 1;
            auto r = refract(d, normal, inside, next);
            if (!r) {
                lost = true;
                break;
            }
            o = at;
            d = *r;
            inside = next;
        }
        if (lost) continue;
        const double t = (112 - o.x) / d.x;
        if (t <= 0) continue;
        const V end = o + t * d;
        p.setPen(QPen(spectrum[c], 1.2));
        p.drawLine(QPointF(o.x, o.y), QPointF(end.x, end.y));
        p.fillRect(QRectF(112, end.y - 1.5, 4, 3), spectrum[c]);
    }
    return img;
}

bool writeAnimation(const QString &out) {
    QTemporaryDir tmp;
    if (!tmp.isValid()) return false;
    constexpr int kFrames = 24;
    QStringList args{QStringLiteral("-delay"), QStringLiteral("8"), QStringLiteral("-loop"),
                     QStringLiteral("0")};
    for (int i = 0; i < kFrames; ++i) {
        const QString name =
            tmp.filePath(QStringLiteral("f%1.png").arg(i, 2, 10, QLatin1Char('0')));
        if (!animationFrame(double(i) / kFrames).save(name)) return false;
        args << name;
    }
    args << out;
    return QProcess::execute(QStringLiteral("convert"), args) == 0;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && !(argc == 3 && std::strcmp(argv[2], "en") == 0)) {
        std::fprintf(stderr, "usage: %s RESOURCES_DIR [en]\n", argv[0]);
        return 2;
    }
    english = argc == 3;
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (english) {
        root.mkpath(QStringLiteral("prism/en"));
        const bool ok =
            spectrometer().save(root.filePath(QStringLiteral("prism/en/spectrometer.png")));
        if (!ok) std::fprintf(stderr, "could not write the picture\n");
        return ok ? 0 : 1;
    }
    root.mkpath(QStringLiteral("refraction"));
    root.mkpath(QStringLiteral("prism"));
    bool ok = tiltedLamp().save(root.filePath(QStringLiteral("refraction/lamp.png")));
    ok = uprightLamp().save(root.filePath(QStringLiteral("prism/lamp.png"))) && ok;
    ok = spectrometer().save(root.filePath(QStringLiteral("prism/spectrometer.png"))) && ok;
    ok = writeAnimation(root.filePath(QStringLiteral("prism/spectrum.gif"))) && ok;
    if (!ok) std::fprintf(stderr, "could not write the pictures\n");
    return ok ? 0 : 1;
}
