#pragma once
// The illustrations and small pictures of the X-ray window, drawn by the
// program itself: the labelled tube drawing, the tube on its stand, the
// axis symbols, the button glyphs and the window icon.
#include <QImage>

// 540 x 324: the tube with its five numbered parts and a legend.
QImage drawTubeDiagram();
// 126 x 307: a tube held upright on a laboratory stand.
QImage drawTubeOnStand();
// 44 x 44, transparent: the intensity axis symbol.
QImage drawIntensitySymbol();
// 20 x 21, transparent: the wavelength axis symbol.
QImage drawWavelengthSymbol();
// 16 x 16 button glyphs: draw a spectrum, clear the picture.
QImage drawDrawGlyph();
QImage drawClearGlyph();
// 32 x 32 window icon.
QImage drawXrayIcon();
