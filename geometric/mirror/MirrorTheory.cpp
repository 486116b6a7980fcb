#include "geometric/mirror/MirrorTheory.h"

namespace {

// Where the line from (x, y) to the image crosses the mirror; the eye at
// the image's x (impossible while both stay right of it) gives the eye's y.
double reflectionAt(const MirrorTheory &t, double x, double y) {
    const double run = t.imageX - x;
    if (run == 0) return y;
    return y + (t.imageY - y) * (t.mirrorX - x) / run;
}

} // namespace

MirrorTheory mirrorTheory(int W, const planemirror::Box &lamp, const planemirror::Box &eye) {
    MirrorTheory t;
    t.mirrorX = W / 2;
    t.imageX = 2 * t.mirrorX - lamp.left;
    t.imageY = lamp.top + lamp.height / 2;
    const double xE = eye.left + 5;
    t.topReflection = reflectionAt(t, xE, eye.top);
    t.bottomReflection = reflectionAt(t, xE, eye.top + eye.height);
    return t;
}
