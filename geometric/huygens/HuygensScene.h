#pragma once
// The picture of the Huygens window at one moment: the plate, the incident
// rays, the wavelets and wavefronts, the refracted and emergent rays, drawn
// in merge mode so that a red and a green beam give yellow where they cross.
#include "canvas/Canvas.h"
#include "geometric/huygens/HuygensBeam.h"

// Draws the whole picture for the inputs into the canvas, which is the part
// of the bitmap the window shows (at most inputs.W x inputs.H). Returns how
// many rays were drawn: only those that can show anything in the canvas.
int drawHuygensScene(Canvas &canvas, const huygens::Inputs &inputs);

// The same picture with every ray of the beam drawn, however many there
// are: the plain form of the construction, for checking the fast one.
int drawHuygensSceneAllRays(Canvas &canvas, const huygens::Inputs &inputs);

// The lower half of the ellipse in the box (x1, y1)-(x2, y2), drawn with the
// canvas's pen colour, 2 pixels wide, in merge mode: the pixels the canvas's
// arc from due left counter-clockwise to due right draws. Row by row, only
// the ring's own pixels are visited, so a wavelet far larger than the view
// costs what the view shows of it.
void drawLowerHalfRing(Canvas &canvas, int x1, int y1, int x2, int y2);
