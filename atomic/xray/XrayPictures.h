#pragma once
// The illustrations and small pictures of the X-ray window, drawn by the
// program itself: the labelled tube drawing, the tube on its stand, the
// axis symbols, the button glyphs and the window icon.
#include <QImage>
#include <QSize>

// Their sizes, for a place laid out before the picture is drawn.
constexpr QSize kTubeDiagramSize(540, 324), kTubeOnStandSize(126, 307);
constexpr QSize kIntensitySymbolSize(44, 44), kWavelengthSymbolSize(20, 21);

// The tube with its five numbered parts and a legend.
QImage drawTubeDiagram();
// A tube held upright on a laboratory stand.
QImage drawTubeOnStand();
// Transparent: the intensity axis symbol.
QImage drawIntensitySymbol();
// Transparent: the wavelength axis symbol.
QImage drawWavelengthSymbol();
// 16 x 16 button glyphs: draw a spectrum, clear the picture.
QImage drawDrawGlyph();
QImage drawClearGlyph();
// 32 x 32 window icon.
QImage drawXrayIcon();
