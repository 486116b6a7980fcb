#include "geometric/mirror/PlaneMirror.h"

#include <cstdint>

namespace planemirror {

namespace {

// (dy * f) div e with the product taken first, in 64 bits so that no
// picture size overflows it; a zero e (only reachable with unclamped
// pictures) gives no offset.
int offset(int dy, int f, int e) {
    if (e == 0) return 0;
    return static_cast<int>(static_cast<std::int64_t>(dy) * f / e);
}

} // namespace

Construction construct(int W, int H, const Box &lamp, const Box &eye) {
    (void)H;
    Construction c;
    c.mirrorX = mirrorX(W);
    c.lampX = lamp.left;
    c.lampY = lamp.top + lamp.height / 2;
    const int xE = eye.left + 5;
    c.e = W - lamp.left - eye.left - 5;
    c.f = c.mirrorX - xE;
    c.imageX = W - lamp.left - 5;

    c.top.eyeX = xE;
    c.top.eyeY = eye.top;
    c.top.mirrorX = c.mirrorX;
    c.top.mirrorY = eye.top + offset(c.lampY - eye.top, c.f, c.e);

    const int yB = eye.top + eye.height;
    c.bottom.eyeX = xE;
    c.bottom.eyeY = yB;
    c.bottom.mirrorX = c.mirrorX;
    c.bottom.mirrorY = yB + offset(c.lampY - yB, c.f, c.e);

    c.virtualLeft = W - lamp.left - lamp.width;
    c.virtualTop = lamp.top;
    return c;
}

void keepInside(int W, int H, int limitWidth, int limitHeight, int &left, int &top) {
    if (top < 0) top = 0;
    if (left < W / 2) left = W / 2;
    if (top > H - limitHeight) top = H - limitHeight;
    if (left > W - limitWidth) left = W - limitWidth;
}

int mirrorX(int W) {
    return W / 2;
}

Point imageOf(int W, int x, int y) {
    return {2 * mirrorX(W) - x, y};
}

} // namespace planemirror
