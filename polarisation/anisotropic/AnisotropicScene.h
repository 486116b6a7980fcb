#pragma once
// The pictures of the anisotropic-medium window: the rotating field vector
// with its components and swept trace in the top square, a scrolling time
// plot below.
#include "polarisation/anisotropic/AnisotropicWave.h"

class Canvas;
class QImage;

// Clears a picture: black, sized w x h.
void clearWavePicture(QImage &bitmap, int w, int h);

// Draws one animation step into a picture.
void drawWaveStep(Canvas &c, const TraceStep &s);
