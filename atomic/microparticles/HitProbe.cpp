#include "atomic/microparticles/HitProbe.h"

#include <algorithm>
#include <cmath>

namespace electrons {

double radiusAt(int x, int y, int width, int height) {
    return std::hypot(x - width / 2, y - height / 2);
}

int ringOf(double radius) {
    return static_cast<int>(std::lround(radius));
}

int hitsInRing(const HitGrid &grid, int ring) {
    if (ring < 0) return 0;
    constexpr int c = HitGrid::kCentre;
    const int from = std::max(0, c - ring - 1), to = std::min(HitGrid::kSize - 1, c + ring + 1);
    int count = 0;
    for (int col = from; col <= to; ++col) {
        const std::uint8_t *cells = grid.column(col);
        for (int row = from; row <= to; ++row)
            if (cells[row] != 0 && ringOf(std::hypot(col - c, row - c)) == ring) ++count;
    }
    return count;
}

std::vector<int> hitHistogram(const HitGrid &grid) {
    constexpr int c = HitGrid::kCentre;
    std::vector<int> counts(static_cast<std::size_t>(ringOf(std::hypot(c, c))) + 1, 0);
    for (int col = 0; col < HitGrid::kSize; ++col) {
        const std::uint8_t *cells = grid.column(col);
        for (int row = 0; row < HitGrid::kSize; ++row)
            if (cells[row] != 0)
                ++counts[static_cast<std::size_t>(ringOf(std::hypot(col - c, row - c)))];
    }
    return counts;
}

} // namespace electrons
