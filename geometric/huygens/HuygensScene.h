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
