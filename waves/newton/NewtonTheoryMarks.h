#pragma once
// The textbook rings over the computed picture: dark rings as circles,
// bright ones as crosses on the radius to the right, with the formula.
#include "waves/newton/NewtonRings.h"
#include "widgets/Overlay.h"

// `in` are the inputs of the computation the picture shows.
OverlayMarks newtonTheoryMarks(const NewtonInputs &in);
