#include "atomic/microparticles/HitGrid.h"

namespace electrons {

bool HitGrid::add(int dx, int dy, int width, int height) {
    // Offsets beyond the grid are refused before any arithmetic on them.
    if (dx < -kCentre || dx >= kSize - kCentre || dy < -kCentre || dy >= kSize - kCentre)
        return false;
    const int cx = width / 2 + dx, cy = height / 2 + dy;
    if (cx < 0 || cx >= width || cy < 0 || cy >= height) return false;
    if (cells.empty()) cells.assign(static_cast<std::size_t>(kSize) * kSize, 0);
    cells[static_cast<std::size_t>(dx + kCentre) * kSize + static_cast<std::size_t>(dy + kCentre)] =
        1;
    return true;
}

void HitGrid::clear() {
    // Back to no cells at all, as before the first hit.
    std::vector<std::uint8_t>().swap(cells);
}

} // namespace electrons
