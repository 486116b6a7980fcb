#pragma once
// The grating equation's line positions over the spectrometer picture:
// short strokes beside the screen at the predicted heights.
#include "waves/spectrometer/SpectrumIni.h"
#include "widgets/Overlay.h"

#include <QSize>

// The chosen source (white light or its ranges), the orders shown and the
// picture's size.
OverlayMarks gratingTheoryMarks(const SpectrumSource &source, bool whiteLight, bool firstOrder,
                                bool secondOrder, QSize picture);
