#pragma once
// What the pointer reads on the spectrometer's screen: the wavelength whose
// line of order m falls at its height, and the lines the picture draws.
#include "waves/spectrometer/SpectrometerScene.h"

#include <optional>
#include <vector>

// The last wavelength the colour walk reaches.
constexpr int kSpectrumLastWavelength = kSpectrumFirstWavelength - kSpectrumPasses + 1;

// The wavelength (nm, whole) of order m (1 or 2) at row y of the picture;
// none where that order draws no wavelength.
std::optional<int> spectralWavelengthAt(int imageWidth, int imageHeight, int order, int y);

struct SpectralLine {
    int order = 1;
    int lambda = 0;     // nm
    float offset = 0;   // pixels above and below the axis
    int brightness = 0; // %
};

// Every line of the first and second orders the parameters draw, from 770 nm down.
std::vector<SpectralLine> spectrometerLines(const SpectrometerParams &p);
