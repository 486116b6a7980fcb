#pragma once
// Image in a plane mirror, in whole pixels: a vertical mirror in the middle
// of the picture, a lamp and an eye to its right. Two rays leave the lamp,
// reflect and reach the top and the bottom of the eye; their backward
// extensions meet at the lamp's mirror image.

namespace planemirror {

// A picture on the surface: its top-left corner and size.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The fixed sizes the clamps keep free at the bottom and right edges
// (the lamp is 32 x 48, the eye 32 x 32).
constexpr int kLampWidth = 32, kLampHeight = 48;
constexpr int kEyeWidth = 32, kEyeHeight = 32;

// One reflected ray: from the eye's edge to the mirror, then to the lamp.
struct Ray {
    int eyeX = 0, eyeY = 0;       // where it meets the eye
    int mirrorX = 0, mirrorY = 0; // where it reflects
};

struct Construction {
    int mirrorX = 0;          // a = W div 2
    int lampX = 0, lampY = 0; // L: the middle of the lamp's left edge
    int imageX = 0;           // where the dotted extensions end (5 px short of the image point)
    int e = 0, f = 0;         // common denominators, both negative
    Ray top, bottom;          // rays to the top and bottom of the eye
    int virtualLeft = 0, virtualTop = 0; // where the dim lamp picture goes
};

// The construction for a W x H picture. `lamp` and `eye` are expected to be
// clamped (see keepInside); if they are not, a zero denominator leaves the
// ray horizontal instead of dividing by zero.
Construction construct(int W, int H, const Box &lamp, const Box &eye);

// The mirror's column, W div 2, and the mirror image of pixel (x, y).
struct Point {
    int x = 0, y = 0;
};
int mirrorX(int W);
Point imageOf(int W, int x, int y);

// Keeps a picture's corner inside the right half of a W x H picture: top
// first, then the mirror, then the bottom and right edges at the fixed
// limits, in that order (so a picture too large for the surface ends
// against the bottom and right edges).
void keepInside(int W, int H, int limitWidth, int limitHeight, int &left, int &top);

} // namespace planemirror
