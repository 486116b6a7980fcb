#pragma once
// What the pointer reads on a wave picture: in the top square the field
// vector that would end there, in the time plot below the moment the column
// was drawn at (the newest on the right, one step a column).
#include "polarisation/anisotropic/AnisotropicWave.h"

#include <optional>

// The field components (pixels) of the vector from the square's centre to (x, y).
FieldPoint vectorAt(int x, int y, int side);
// The model time of column x of a plot `side` pixels wide; none for
// columns no step has reached yet.
std::optional<long double> plotTimeAt(const WaveAnimation &a, const WaveParams &p, int x, int side);
