#pragma once
// The textbook minima over the Fraunhofer picture: dark lines as vertical
// and horizontal lines across the 400 x 400 bitmap.
#include "waves/fraunhofer/Fraunhofer.h"
#include "widgets/Overlay.h"

// `in` are the inputs of the computation the picture shows; the marks are
// in the bitmap's pixels (the window stretches it).
OverlayMarks fraunhoferTheoryMarks(const FraunhoferInputs &in);
