#pragma once
// The textbook focus: a parallel beam at angle phi to the axis meets (or,
// for a diverging lens, seems to come from) the point of the focal plane
// F tan(phi) off the axis, where the ray through the lens centre crosses it.
// Paraxial: beyond kParaxialLimit degrees the thin-lens picture is no longer
// a fair approximation and no point is given.
constexpr double kParaxialLimit = 20;

struct FocalTheory {
    bool valid = false;            // F not 0
    bool paraxial = false;         // |tilt| <= kParaxialLimit
    double focusX = 0, focusY = 0; // pixels: the focal point on the axis
    double beamY = 0;              // pixels: where the tilted beam converges, in the focal plane
};

// F in pixels (signed), the tilt in degrees, the image's size.
FocalTheory focalTheory(int F, int tiltDegrees, int Wi, int Hi);
