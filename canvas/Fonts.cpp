#include "canvas/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// PT Sans is narrow enough for every caption at its designed size; the
// others are what a machine without it most likely has, in order of width.
QString faceFamily() {
    static const QString family = [] {
        const QStringList preferred{QStringLiteral("PT Sans"), QStringLiteral("Liberation Sans"),
                                    QStringLiteral("DejaVu Sans")};
        for (const QString &f : preferred)
            if (QFontDatabase::hasFamily(f)) return f;
        return preferred.last(); // whatever the platform substitutes
    }();
    return family;
}

} // namespace

QFont pixelFont(int pixels, bool bold, bool italic) {
    QFont f(faceFamily());
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}
