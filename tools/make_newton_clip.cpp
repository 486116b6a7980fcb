// Renders the frames of the Newton's rings clip (resources/data/newton.avi):
// the rings of our own model as the wavelength sweeps through the visible
// range and back. The frames go to a folder as PNG; make_newton_clip.sh
// encodes them.
//
//   lumivista-newton-frames OUT_DIR [FRAMES] [en]   (en: the English words)
#include "shell/Language.h"
#include "waves/newton/NewtonScene.h"

#include <QDir>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const bool english = argc > 2 && std::strcmp(argv[argc - 1], "en") == 0;
    const int counted = english ? argc - 1 : argc;
    if (counted < 2 || counted > 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR [FRAMES] [en]\n", argv[0]);
        return 2;
    }
    // The frames' words come from the program's own translation.
    if (english) installLanguage(Language::English);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) return 1;
    const int frames = counted > 2 ? std::max(2, std::atoi(argv[2])) : 96;
    for (int f = 0; f < frames; ++f) {
        // Red to violet and back, smoothly, so that the clip loops seamlessly.
        const double phase = 0.5 - 0.5 * std::cos(2 * M_PI * f / frames);
        const int wavelength = static_cast<int>(std::lround(700 - 290 * phase));
        const QImage img = drawNewtonClipFrame(QSize(256, 224), wavelength);
        if (!img.save(out.filePath(QStringLiteral("frame%1.png").arg(f, 4, 10, QLatin1Char('0')))))
            return 1;
    }
    return 0;
}
