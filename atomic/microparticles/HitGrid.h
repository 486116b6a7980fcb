#pragma once
// Every place an electron has landed, in a fixed 2048 x 2048 grid addressed
// from the screen's centre, so the hits survive any resizing of the screen
// and recording one costs a single store.
#include <cstdint>
#include <vector>

namespace electrons {

class HitGrid {
  public:
    static constexpr int kSize = 2048;
    static constexpr int kCentre = 1024;

    HitGrid() : cells(static_cast<std::size_t>(kSize) * kSize, 0) {}

    // Records a hit dx, dy pixels from the centre of a width x height screen
    // if it lands on the screen and within the grid; says whether it did.
    bool add(int dx, int dy, int width, int height);
    void clear();

    // Cell [column][row]; outside the grid there are no hits.
    bool at(int col, int row) const {
        return col >= 0 && col < kSize && row >= 0 && row < kSize && column(col)[row] != 0;
    }
    // The kSize cells of one column, top to bottom.
    const std::uint8_t *column(int col) const {
        return cells.data() + static_cast<std::size_t>(col) * kSize;
    }
    // The cell of pixel x on a screen `extent` wide is x + offset(extent); the
    // same for rows and the height.
    static int offset(int extent) { return kCentre - extent / 2; }

  private:
    std::vector<std::uint8_t> cells; // column-major: [column][row]
};

} // namespace electrons
