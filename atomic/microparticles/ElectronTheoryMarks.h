#pragma once
// The de Broglie rings over the electron screen, as circles about its centre.
#include "widgets/Overlay.h"

#include <QSize>

// `kilovolts` the voltage chosen now, `screen` the screen panel's size.
OverlayMarks electronTheoryMarks(double kilovolts, QSize screen);
