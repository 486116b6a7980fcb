#pragma once
// The numbers behind the focal-length animation: how thick the lens is drawn
// for a focal length, where a dragged focal line may stop, how the beam front
// advances and how the wheel tilts the beam. Lengths are in pixels.
namespace focal {

// The outline's thickness parameter 2000 / F, kept to 20 <= |s| <= 100 so
// that weak lenses stay visible and strong ones stay inside the picture.
// F = 0 has no lens; 0 is returned.
float lensThickness(int F);

// How far the two surfaces of a diverging lens stand apart (s < 0).
int divergingGap(float s);

// A focal length set by the drag: lenses stronger than the picture can show
// are pulled to the nearest allowed one (30 on the converging side, -10 on
// the diverging side). 0, the line on the lens, is kept.
int dragFocal(int F);

// One animation tick: the front moves 3 pixels, 4 once past the lens plane.
int advanceFront(int P, int imageWidth);
// After the picture of a tick: the front never runs past the picture.
int settleFront(int P, int imageWidth);

// The wheel adds whole degrees: one notch (120) is one degree, anything
// below 100 nothing. The tilt is kept within one turn; the picture repeats.
int wheelTilt(int T, int delta);

} // namespace focal
