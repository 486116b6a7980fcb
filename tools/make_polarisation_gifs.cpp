// Draws the four looping animations of the polarisation window's first page
// and assembles them into GIFs with ImageMagick's convert.
//
//   lumivista-polarisation-gifs OUTDIR
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
constexpr int kFrames = 24;
const QColor kBack(255, 255, 255);
const QColor kE(220, 0, 0), kB(0, 70, 220), kAxis(90, 90, 90), kTrace(128, 0, 0);

using Painter = std::function<void(QPainter &, double phase)>;

void arrow(QPainter &p, QPointF a, QPointF b, const QColor &c, double w = 2) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len < 4) return;
    const QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head{b, b - u * 6 + n * 3, b - u * 6 - n * 3};
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

// A wave along x with E up and B drawn in oblique depth.
void emWave(QPainter &p, double phase) {
    const double x0 = 10, x1 = 225, y0 = 58, amp = 34;
    p.setPen(QPen(kAxis, 1));
    p.drawLine(QPointF(x0, y0), QPointF(x1, y0));
    arrow(p, QPointF(x1 - 10, y0), QPointF(x1 + 2, y0), kAxis, 1);
    QPainterPath e, b;
    for (int i = 0; i <= 200; ++i) {
        const double x = x0 + (x1 - x0 - 12) * i / 200.0;
        const double s = std::sin(2 * kPi * (x - x0) / 95.0 - phase);
        const QPointF pe(x, y0 - amp * s), pb(x - 0.5 * amp * s * 0.6, y0 + 0.6 * amp * s * 0.6);
        if (i == 0) {
            e.moveTo(pe);
            b.moveTo(pb);
        } else {
            e.lineTo(pe);
            b.lineTo(pb);
        }
        if (i % 10 == 0) {
            p.setPen(QPen(kE.lighter(150), 1));
            p.drawLine(QPointF(x, y0), pe);
            p.setPen(QPen(kB.lighter(150), 1));
            p.drawLine(QPointF(x, y0), pb);
        }
    }
    p.setPen(QPen(kE, 2));
    p.drawPath(e);
    p.setPen(QPen(kB, 2));
    p.drawPath(b);
    p.setPen(kE);
    p.drawText(QPointF(14, 16), QStringLiteral("E"));
    p.setPen(kB);
    p.drawText(QPointF(14, 100), QStringLiteral("B"));
}

// A rotating or oscillating vector with its trace, centred at c.
void vectorDiagram(QPainter &p, QPointF c, double rad, double phase, bool circular) {
    p.setPen(QPen(kAxis, 1, Qt::DotLine));
    p.drawLine(c - QPointF(rad + 4, 0), c + QPointF(rad + 4, 0));
    p.drawLine(c - QPointF(0, rad + 4), c + QPointF(0, rad + 4));
    p.setPen(QPen(kTrace, 2));
    if (circular)
        p.drawEllipse(c, rad, rad);
    else
        p.drawLine(c + QPointF(-rad, rad) * 0.707, c + QPointF(rad, -rad) * 0.707);
    const QPointF v = circular ? QPointF(rad * std::cos(phase), -rad * std::sin(phase))
                               : QPointF(rad, -rad) * (0.707 * std::cos(phase));
    arrow(p, c, c + v, kE);
}

void ellipticCases(QPainter &p, double phase) {
    vectorDiagram(p, QPointF(76, 33), 26, phase, false);
    vectorDiagram(p, QPointF(76, 96), 26, phase, true);
}

// Unpolarised light from the top, a polariser with a vertical slit, a plane
// wave below it.
void polariser(QPainter &p, double phase) {
    const double cx = 64;
    const double shift = std::fmod(phase / (2 * kPi) * 30, 30);
    for (int k = 0; k < 2; ++k) {
        const double y = 14 + k * 28 + shift * 0.5;
        for (int a = 0; a < 4; ++a) {
            const double t = a * kPi / 4 + phase * 0.25;
            const QPointF d(14 * std::cos(t), 7 * std::sin(t));
            arrow(p, QPointF(cx, y) - d, QPointF(cx, y) + d, kE, 1.5);
        }
    }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(170, 200, 230));
    QPolygonF plate{{20, 70}, {108, 70}, {96, 84}, {8, 84}};
    p.drawPolygon(plate);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 8; ++i) {
        const double x = 26 + i * 10;
        p.drawLine(QPointF(x, 71), QPointF(x - 10, 83));
    }
    p.setPen(QPen(kAxis, 1));
    p.drawLine(QPointF(cx, 86), QPointF(cx, 150));
    QPainterPath wave;
    for (int i = 0; i <= 60; ++i) {
        const double y = 88 + i;
        const QPointF q(cx + 20 * std::sin(2 * kPi * (y - 88) / 30.0 - phase), y);
        if (i == 0)
            wave.moveTo(q);
        else
            wave.lineTo(q);
    }
    p.setPen(QPen(kE, 2));
    p.drawPath(wave);
}

// Unpolarised light reflected from a surface: the reflected beam keeps
// mostly the oscillations parallel to the surface (dots).
void reflection(QPainter &p, double phase) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 200, 230));
    p.drawRect(QRectF(0, 92, 225, 29));
    p.setBrush(Qt::NoBrush);
    const QPointF a(12, 8), hit(112, 92), b(212, 8);
    p.setPen(QPen(kAxis, 1));
    p.drawLine(a, hit);
    p.drawLine(hit, b);
    p.setPen(QPen(kAxis, 1, Qt::DashLine));
    p.drawLine(hit, QPointF(112, 10));
    const double s = phase / (2 * kPi);
    for (int k = 0; k < 3; ++k) {
        const double u = std::fmod(s + k / 3.0, 1.0);
        const QPointF pi = a + (hit - a) * u, pr = hit + (b - hit) * u;
        const QPointF n(0.64, -0.77); // across the incoming beam
        arrow(p, pi - n * 9, pi + n * 9, kE, 1.5);
        p.setBrush(kB);
        p.setPen(Qt::NoPen);
        p.drawEllipse(pi + QPointF(6, 5), 3, 3);
        p.drawEllipse(pr, 3.5, 3.5);
        p.setBrush(Qt::NoBrush);
        const QPointF m(0.64, 0.77);
        arrow(p, pr - m * 3, pr + m * 3, kE, 1);
    }
}

bool writeGif(const QString &out, QSize size, const Painter &paint) {
    QTemporaryDir dir;
    QStringList args{QStringLiteral("-delay"), QStringLiteral("8"), QStringLiteral("-loop"),
                     QStringLiteral("0")};
    for (int i = 0; i < kFrames; ++i) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(kBack);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, 2 * kPi * i / kFrames);
        p.end();
        const QString file =
            dir.filePath(QStringLiteral("f%1.png").arg(i, 2, 10, QLatin1Char('0')));
        if (!img.save(file)) return false;
        args << file;
    }
    args << QStringLiteral("-colors") << QStringLiteral("32") << QStringLiteral("-layers")
         << QStringLiteral("Optimize") << out;
    return QProcess::execute(QStringLiteral("convert"), args) == 0;
}
} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: lumivista-polarisation-gifs OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = writeGif(out.filePath(QStringLiteral("em_wave.gif")), {233, 105}, emWave);
    ok = ok &&
         writeGif(out.filePath(QStringLiteral("elliptic_cases.gif")), {153, 129}, ellipticCases);
    ok = ok && writeGif(out.filePath(QStringLiteral("polariser.gif")), {129, 153}, polariser);
    ok = ok && writeGif(out.filePath(QStringLiteral("reflection.gif")), {225, 121}, reflection);
    return ok ? 0 : 1;
}
