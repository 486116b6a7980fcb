#pragma once
// A narrow white beam through a 60-degree glass prism, split into the
// 63-ray fan: each ray is refracted at the first face, crosses the prism and
// leaves through the second face unless it meets it beyond the critical
// angle. Computed in extended precision; the picture's pixel positions are
// truncated toward zero.
#include "core/SpectralFan.h"

#include <array>

namespace prism {

// The picture's layout, scaled from a reference picture of 535 x 327.
// Wp x Hp is the panel (the centre comes from it), Wi x Hi the image.
struct Frame {
    int cx = 0, cy = 0;
    int a = 0;        // from the centre to the entry point, horizontally
    int b = 0, d = 0; // scales of the emergent rays
    int c = 0, e = 0; // scales of the path inside the prism
    int apexX = 0, apexY = 0, leftX = 0, rightX = 0, baseY = 0;
};
Frame frameFor(int Wp, int Hp, int Wi, int Hi);

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

struct Ray {
    Rgb colour;           // the pen: the fan's colour, or white without dispersion
    long double n = 0;    // the index this ray sees
    bool entered = false; // false: no index, or turned back at the first face
    Point exit;           // where it meets the second face
    bool totallyReflected = false;
    Point end; // where the emergent ray ends, when it leaves
};

struct Trace {
    bool prismShown = false; // false below index 1: only the background
    bool beamShown = false;  // false when the lamp is not left of the aiming point
    Point source, entry;
    long double theta = 0; // beam direction, radians, positive upwards
    int count = 0;
    std::array<Ray, spectralfan::kRays> rays{};
    bool anyTotallyReflected = false;
};

// The beam aims at this many pixels left of the centre.
constexpr int kAimOffset = 57;

// n and D as typed (D in 1e-5 per nanometre), the lamp's beam leaving (Sx, Sy).
Trace trace(const Frame &f, int Sx, int Sy, double n, double D);

} // namespace prism
