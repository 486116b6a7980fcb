#pragma once
// Fraunhofer diffraction of parallel light by a rectangular opening, seen on
// a distant square screen of 400 x 400 pixels: the far-field pattern
// sinc²(pi a sin(tx) / lambda) sinc²(pi b sin(ty) / lambda), each point of it
// spread over the opening's geometric image, normalised so that the
// brightest pixel is 255. The inputs are 32-bit floats, as the picture has
// always been computed with them.
#include "core/RunControl.h"

#include <cstdint>
#include <vector>

constexpr int kFraunhoferSide = 400;

struct FraunhoferInputs {
    int wavelengthNm = 600;
    float distance = 2000; // L, screen distance, m
    float width = 0.1f;    // a, m
    float height = 0.1f;   // b, m
    float screen = 0.5f;   // S, side of the screen, m
};

// What makes a computation meaningless (a message, no computation).
enum class FraunhoferProblem { None, Wavelength, Distance, Screen };
FraunhoferProblem checkFraunhofer(const FraunhoferInputs &in);

// Grey levels 0..255; element (x, y), column x and row y, at [y * 400 + x].
struct FraunhoferPicture {
    std::vector<std::int32_t> value =
        std::vector<std::int32_t>(kFraunhoferSide * kFraunhoferSide, 0);
    std::int32_t at(int x, int y) const { return value[y * kFraunhoferSide + x]; }
};

// Half width of the opening's image in pixels, trunc(size x 200 / S), held
// to -1..400 (beyond that every box is empty or covers the whole screen).
int fraunhoferHalfSpan(float size, float screen);

// The picture. Each pixel's sum over the box of Fy(y) Fx(x) is the product
// of two one-dimensional box sums, taken from prefix sums. Polls cancellation
// between blocks of rows; a cancelled run returns a partial picture the
// caller drops. Inputs that fail checkFraunhofer give a black picture.
FraunhoferPicture computeFraunhofer(const FraunhoferInputs &in, RunControl &control);
