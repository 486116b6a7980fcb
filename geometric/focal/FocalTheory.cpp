#include "geometric/focal/FocalTheory.h"

#include <cmath>
#include <numbers>

FocalTheory focalTheory(int F, int tiltDegrees, int Wi, int Hi) {
    FocalTheory t;
    if (F == 0) return t;
    t.valid = true;
    t.focusX = Wi / 2 + F;
    t.focusY = Hi / 2;
    t.paraxial = std::abs(tiltDegrees) <= kParaxialLimit;
    // Screen y grows downwards, as the beam's own tan(phi) slope does.
    if (t.paraxial) t.beamY = t.focusY + F * std::tan(tiltDegrees * std::numbers::pi / 180);
    return t;
}
