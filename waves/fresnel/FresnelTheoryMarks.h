#pragma once
// The Fresnel zones over the diffraction pictures: on the graph the zone
// edges as vertical lines, on both the prediction for the centre.
#include "waves/fresnel/Fresnel.h"
#include "widgets/Overlay.h"

// `in` are the inputs of the computation shown; `graph` picks the graph
// (Image2) rather than the ring picture (Image1), both 400 x 400 bitmaps.
OverlayMarks fresnelTheoryMarks(const FresnelInputs &in, bool graph);
