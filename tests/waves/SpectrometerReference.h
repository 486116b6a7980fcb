#pragma once
// The spectrum drawn the straightforward way: every line of every pass, as
// the drawing steps list them. The window's painter draws runs of lines that
// share their ends once; both must leave the same pixels.
#include "canvas/Canvas.h"
#include "core/Pixels.h"
#include "core/WavelengthWalk.h"
#include "waves/spectrometer/SpectrometerScene.h"

#include <cmath>

inline void drawSpectrumReference(QImage &image, const SpectrometerParams &params) {
    SpectrometerParams schematic = params;
    schematic.firstOrder = schematic.secondOrder = false;
    Canvas c(image);
    drawSpectrometerScene(c, schematic);
    const int W = params.imageWidth, a = params.imageHeight / 2, p = W - 75;
    c.setPenMode(PenMode::Merge);
    c.setPenWidth(1);
    c.setPenStyle(PenStyle::Solid);
    for (int m = 1; m <= 2; ++m) {
        if ((m == 1 && !params.firstOrder) || (m == 2 && !params.secondOrder)) continue;
        ColourWalk walk;
        int lambda = 770;
        do {
            const int b = spectrumBrightness(params.source, params.whiteLight, lambda, m);
            const Rgb rgb = walk.colour();
            const float s = static_cast<float>(m) * static_cast<float>(lambda) / 2000.0f;
            if (s <= 1.0f) {
                const float t = s / std::sqrt(1.0f - s * s);
                const float K = static_cast<float>(W - 350) * t * 0.4f;
                if (b != 0) {
                    c.setPenColor(spectralLineColour(b, rgb.red, rgb.green, rgb.blue));
                    const int down = toPixel(static_cast<float>(a) + K);
                    const int up = toPixel(static_cast<float>(a) - K);
                    for (int k = -40; k <= 40; k += 5) {
                        for (int y : {down, up}) {
                            c.MoveTo(350, a + k);
                            c.LineTo(p, y);
                            c.MoveTo(p + 10, y);
                            c.LineTo(p + 30, y);
                        }
                    }
                }
            }
            walk.step();
            --lambda;
        } while (!walk.finished());
    }
}
