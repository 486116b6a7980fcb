#pragma once
// The X-ray spectrum picture: axes with arrow heads, ticks and labels, one
// curve per call in the next colour, and the XOR wavelength marker.
#include "atomic/xray/Break_x.h"

#include <QColor>
#include <cstdint>

class Canvas;

namespace Break_x {

QColor GraphQColor(int i);

// White picture, colour index back to 1.
void ResetGraphics(XrayState &state, Canvas &canvas, int Width, int Height);

// Draws the axes and, for an index 1..16, the spectrum of that entry at the
// voltage state.V in colour state.CurColor, then advances it. False for any other
// index (no curve). Width and Height are those of the bitmap drawn on.
bool DrawRadiationGraphic(XrayState &state, std::uint8_t Index, Canvas &canvas, int Width,
                          int Height);

// Pixel of a wavelength on the horizontal axis, with the scale of the last drawing.
int CurveX(const XrayState &state, long double lam);
// Pixel row of an intensity for a picture of the given height.
int CurveY(const XrayState &state, long double intensity, int Height);

// The wavelength marker at scroll position oldValue: a green vertical line in
// XOR mode, so that drawing it twice restores the picture.
void DrawMarker(Canvas &canvas, int oldValue, int Height);
// The picture column of the marker at oldValue.
int MarkerX(int oldValue);

} // namespace Break_x
