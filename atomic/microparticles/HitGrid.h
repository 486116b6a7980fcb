#pragma once
// Every place an electron has landed, in a fixed 2048 x 2048 grid addressed
// from the screen's centre, so the hits survive any resizing of the screen
// and recording one costs a single store. The 4 MiB of cells are allocated
// with the first hit: a screen nobody has used costs nothing.
#include <array>
#include <cstdint>
#include <vector>

namespace electrons {

class HitGrid {
  public:
    static constexpr int kSize = 2048;
    static constexpr int kCentre = 1024;

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
        return cells.empty() ? kNoHits.data()
                             : cells.data() + static_cast<std::size_t>(col) * kSize;
    }
    // The bytes of cells held: none before the first hit and after clear().
    std::size_t cellBytes() const { return cells.size(); }
    // The cell of pixel x on a screen `extent` wide is x + offset(extent); the
    // same for rows and the height.
    static int offset(int extent) { return kCentre - extent / 2; }

  private:
    // Every column of a grid without cells reads as this one.
    static constexpr std::array<std::uint8_t, kSize> kNoHits{};
    std::vector<std::uint8_t> cells; // column-major: [column][row], empty until the first hit
};

} // namespace electrons
