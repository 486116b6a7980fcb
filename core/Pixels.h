#pragma once
// The one conversion from real coordinates to pixels. It truncates toward
// zero like the drawing code expects, and saturates so that a huge, infinite
// or NaN coordinate becomes a far-away but harmless pixel.
#include <cmath>

constexpr int kPixelLimit = 1'000'000;

constexpr int toPixel(double v) {
    if (!(v == v)) return 0; // NaN
    if (v >= kPixelLimit) return kPixelLimit;
    if (v <= -kPixelLimit) return -kPixelLimit;
    return static_cast<int>(v);
}

// Rounds half away from zero, with the same saturation.
inline int roundToPixel(double v) {
    return toPixel(std::round(v));
}
