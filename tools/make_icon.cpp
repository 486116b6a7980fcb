// Draws the program's icon: three rays of light through a converging lens,
// meeting at the focus. Writes the scalable SVG and PNGs rendered from it, in
// the freedesktop icon-theme layout.
//
//   lumivista-icon OUTDIR      (OUTDIR is resources/desktop/icons/hicolor)
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

const char kIconName[] = "example.lumivista.Lumivista";
const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// One ray: enters from the left at height y, bends at the lens plane and
// passes through the focus, a little beyond it.
QString ray(int y, const char *colour) {
    const double lensX = 108, focusX = 196, focusY = 128, endX = 226;
    const double endY = focusY + (focusY - y) * (endX - focusX) / (focusX - lensX);
    return QStringLiteral("  <polyline points=\"34,%1 %2,%1 %3,%4\" fill=\"none\" stroke=\"%5\" "
                          "stroke-width=\"13\" stroke-linecap=\"round\" "
                          "stroke-linejoin=\"round\"/>\n")
        .arg(y)
        .arg(lensX)
        .arg(endX)
        .arg(endY, 0, 'f', 1)
        .arg(QString::fromLatin1(colour));
}

QString iconSvg() {
    QString s = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n"
        "  <defs>\n"
        "    <linearGradient id=\"back\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        "      <stop offset=\"0\" stop-color=\"#24398f\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#0e1746\"/>\n"
        "    </linearGradient>\n"
        "    <radialGradient id=\"glow\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\">\n"
        "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"1\"/>\n"
        "      <stop offset=\"0.35\" stop-color=\"#fff3a0\" stop-opacity=\"0.9\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#fff3a0\" stop-opacity=\"0\"/>\n"
        "    </radialGradient>\n"
        "  </defs>\n"
        "  <rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"44\" fill=\"url(#back)\"/>\n");
    s += ray(72, "#ff5a4e");
    s += ray(128, "#ffe25a");
    s += ray(184, "#5ab8ff");
    // The lens over the rays, translucent, so the bend shows through it.
    s += QStringLiteral("  <ellipse cx=\"108\" cy=\"128\" rx=\"24\" ry=\"100\" fill=\"#b8f0ff\" "
                        "fill-opacity=\"0.55\" stroke=\"#e6fbff\" stroke-width=\"7\"/>\n"
                        "  <circle cx=\"196\" cy=\"128\" r=\"30\" fill=\"url(#glow)\"/>\n"
                        "</svg>\n");
    return s;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QByteArray svg = iconSvg().toUtf8();
    const QString name = QString::fromLatin1(kIconName);
    if (!out.mkpath(QStringLiteral("scalable/apps")) ||
        !writeFile(out.filePath(QStringLiteral("scalable/apps/") + name + ".svg"), svg)) {
        std::fprintf(stderr, "cannot write the SVG icon\n");
        return 1;
    }
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "the SVG icon does not parse\n");
        return 1;
    }
    for (int size : kSizes) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p);
        p.end();
        if (!out.mkpath(dir) || !image.save(out.filePath(dir + "/" + name + ".png"))) {
            std::fprintf(stderr, "cannot write the %d px icon\n", size);
            return 1;
        }
    }
    return 0;
}
