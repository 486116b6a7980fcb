#include "atomic/microparticles/DifrScreen.h"

#include <algorithm>
#include <cstring>

using electrons::HitGrid;

namespace {

// Sets the plus sign centred on (x, y) of the image, clipped to it.
void plus(QImage &img, int x, int y, QRgb dot) {
    const int w = img.width(), h = img.height();
    auto set = [&](int px, int py) {
        if (px >= 0 && px < w && py >= 0 && py < h)
            reinterpret_cast<QRgb *>(img.scanLine(py))[px] = dot;
    };
    set(x, y);
    set(x - 1, y);
    set(x + 1, y);
    set(x, y - 1);
    set(x, y + 1);
}

} // namespace

QImage renderHits(const HitGrid &grid, QSize screen, const QRect &area, QRgb dot, QRgb background) {
    QImage img(std::max(area.width(), 0), std::max(area.height(), 0), QImage::Format_RGB32);
    if (img.isNull()) return img;
    img.fill(background);
    const int offX = HitGrid::offset(screen.width()), offY = HitGrid::offset(screen.height());
    // Pixels one beyond each edge hold hits whose arms reach into the area;
    // only pixels whose cells lie within the grid are looked at.
    const int i0 = std::max(area.left() - 1, -offX);
    const int i1 = std::min(area.right() + 1, HitGrid::kSize - 1 - offX);
    const int j0 = std::max(area.top() - 1, -offY);
    const int j1 = std::min(area.bottom() + 1, HitGrid::kSize - 1 - offY);
    if (i0 > i1 || j0 > j1) return img;
    const auto rows = static_cast<std::size_t>(j1 - j0 + 1);
    for (int i = i0; i <= i1; ++i) {
        const std::uint8_t *first = grid.column(i + offX) + (j0 + offY);
        const std::uint8_t *end = first + rows;
        // Most cells are empty: skip to the next hit in the column.
        for (const std::uint8_t *c = first;
             (c = static_cast<const std::uint8_t *>(std::memchr(c, 1, std::size_t(end - c)))); ++c)
            plus(img, i - area.left(), j0 + int(c - first) - area.top(), dot);
    }
    return img;
}
