#include "canvas/Colours.h"

QColor fromColourNumber(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t toColourNumber(const QColor &c) {
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}

QColor complement(const QColor &c) {
    return fromColourNumber(~toColourNumber(c) & 0xFFFFFFu);
}
