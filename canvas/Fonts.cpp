#include "canvas/Fonts.h"

QFont pixelFont(int pixels, bool bold, bool italic) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}
