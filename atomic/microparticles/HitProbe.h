#pragma once
// What the pointer reads on the electron screen: the distance from the
// centre and the hits recorded so far in the one-pixel ring there; and the
// hits of every such ring.
#include "atomic/microparticles/HitGrid.h"

#include <vector>

namespace electrons {

// Distance in pixels of pixel (x, y) from the centre of a width x height screen.
double radiusAt(int x, int y, int width, int height);
// The ring of a distance: hits whose distance rounds to the same whole pixel.
int ringOf(double radius);
// Hits recorded in ring `ring` (cells whose distance from the grid's centre rounds to it).
int hitsInRing(const HitGrid &grid, int ring);
// Hits per ring from the centre out to the grid's corners.
std::vector<int> hitHistogram(const HitGrid &grid);

} // namespace electrons
