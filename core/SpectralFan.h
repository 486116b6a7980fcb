#pragma once
// A white ray split into a fan of 63 coloured rays, red to violet. The
// colour walks round the colour wheel in steps of 15 per channel; ray k of a
// dispersing medium with index n and coefficient D (1e-5 per nanometre) has
// the index n + D * 1e-5 * (6k - 190), so red bends least and violet most.
// Shared by every window that draws such a fan.
#include "core/WavelengthWalk.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace spectralfan {

constexpr int kRays = 63;
// The index offsets of the fan, in units of D * 1e-5: red sits 190 below
// the typed index and each ray 6 above the one before.
constexpr int kRedOffset = 190;
constexpr int kStep = 6;

// The colour walk. Starts at red; next() moves to the following ray's
// colour and answers false once the walk is over (63 colours in all; the
// value that ends it is never drawn).
class Walk {
  public:
    constexpr Rgb colour() const { return rgb; }
    constexpr bool next() {
        // Five tests in this order, each seeing what the ones before did.
        if (rgb.red == 255 && rgb.green < 255) rgb.green += 15;
        if (rgb.green == 255 && rgb.red > 0) rgb.red -= 15;
        if (rgb.green == 255 && rgb.blue < 255) rgb.blue += 15;
        if (rgb.blue == 255 && rgb.green > 0) rgb.green -= 15;
        if (rgb.blue == 255 && rgb.green == 0 && rgb.red < 255) rgb.red += 15;
        return !(rgb.blue == 255 && rgb.green == 0 && rgb.red == 225);
    }

  private:
    Rgb rgb{255, 0, 0};
};

// The 63 colours, ray 0 (red) first.
constexpr std::array<Rgb, kRays> colours() {
    std::array<Rgb, kRays> out{};
    Walk w;
    for (int k = 0; k < kRays; ++k) {
        out[std::size_t(k)] = w.colour();
        w.next();
    }
    return out;
}

// The index offset of ray k in units of D * 1e-5.
constexpr int offset(int k) {
    return kStep * k - kRedOffset;
}

// The dispersion a box may hold for the index n: a coefficient that would
// give the fan's red end a negative index (D * 0.002 > n) is replaced by
// trunc(500 n), saturated so that any index gives a number a box can hold.
// A negative index gets 0, not a negative coefficient that would outlive
// it. Nothing when D is acceptable.
inline std::optional<long long> dispersionLimit(double D, double n) {
    if (!(D * 200 * 0.00001 > n)) return std::nullopt;
    constexpr double kLimit = 9.0e18;
    return static_cast<long long>(std::clamp(std::trunc(n * 100000 * 0.005), 0.0, kLimit));
}

} // namespace spectralfan
