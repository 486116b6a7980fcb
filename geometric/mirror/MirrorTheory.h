#pragma once
// The plane mirror by the textbook: the lamp's image at the mirror-symmetric
// point (2a - x, y), and each ray reflecting where the line from the eye to
// that image crosses the mirror (angle of incidence = angle of reflection).
#include "geometric/mirror/PlaneMirror.h"

struct MirrorTheory {
    double mirrorX = 0;                             // a = W div 2
    double imageX = 0, imageY = 0;                  // the lamp point's image
    double topReflection = 0, bottomReflection = 0; // y on the mirror
};

// The same points the construction uses: the middle of the lamp's left
// edge, and the eye's top and bottom at its left edge + 5.
MirrorTheory mirrorTheory(int W, const planemirror::Box &lamp, const planemirror::Box &eye);
