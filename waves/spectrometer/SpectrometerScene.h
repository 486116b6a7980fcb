#pragma once
// The spectrometer's picture: slit, collimator, grating, second lens and the
// screen with the zeroth, first and second orders of the chosen source.
#include "waves/spectrometer/SpectrumIni.h"

#include <QColor>
#include <functional>

class Canvas;

struct SpectrometerParams {
    // The picture control's size (the scene's W and H) and the panel's,
    // whose rectangle is cleared first.
    int imageWidth = 0, imageHeight = 0;
    int panelWidth = 0, panelHeight = 0;
    QColor sourceColour = Qt::white;
    QColor background = Qt::black;
    bool zerothOrder = true, firstOrder = true, secondOrder = false;
    bool whiteLight = true;
    SpectrumSource source;
    // The very first drawing lays the schematic in copy mode; every later
    // one merges it like the spectrum.
    bool firstDrawing = false;
};

// Progress of a drawing: the maximum is announced first (position 0), then
// the position after each zeroth-order line and each wavelength pass.
struct SpectrometerProgress {
    std::function<void(int maximum)> start;
    std::function<void(int position)> advance;
};

// Wavelength passes per order: the colour walk from 770 nm ends by itself.
constexpr int kSpectrumPasses = 378;
constexpr int kSpectrumFirstWavelength = 770;
constexpr int kGratingPeriodNm = 2000;

// The colour of a line of brightness `percent`: each channel scaled and
// saturated (a brightness above 100 % must not wrap to a darker colour).
QColor spectralLineColour(int percent, int red, int green, int blue);

// The line's distance from the axis on the screen, in pixels, for order m at
// lambda nm; negative when that direction does not exist.
float spectralOffset(int imageWidth, int order, int lambda);

void drawSpectrometerScene(Canvas &canvas, const SpectrometerParams &p,
                           const SpectrometerProgress &progress = {});
