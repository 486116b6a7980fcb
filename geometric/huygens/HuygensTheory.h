#pragma once
// Snell's law for the plate: sin(theta) = n sin(beta). The refracted front
// through the last arrival point is perpendicular to (sin beta, cos beta).
#include "geometric/huygens/HuygensBeam.h"

struct HuygensRefraction {
    double n = 1;
    bool exists = false; // sin(theta) <= n
    double beta = 0;     // radians
};

HuygensRefraction huygensRefraction(int thetaDegrees, double n);
