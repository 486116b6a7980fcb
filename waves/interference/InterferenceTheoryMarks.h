#pragma once
// The textbook maxima over the intensity graph: a line at each exact
// maximum, a cross on the baseline where y = m lambda L / d agrees.
#include "waves/interference/InterferenceKernel.h"
#include "waves/interference/InterferencePlot.h"
#include "widgets/Overlay.h"

// `in` are the inputs of the computation the graph shows, `view` the graph
// as drawn now (count, size, scale and scroll position).
OverlayMarks interferenceTheoryMarks(const InterferenceInputs &in, const GraphView &view);
