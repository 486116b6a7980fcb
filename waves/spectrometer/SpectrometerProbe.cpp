#include "waves/spectrometer/SpectrometerProbe.h"

#include <cmath>
#include <cstdlib>

std::optional<int> spectralWavelengthAt(int imageWidth, int imageHeight, int order, int y) {
    // The inverse of spectralOffset: K = (W - 350) 0.4 tan(asin(m lambda / d)).
    const double scale = (imageWidth - 350) * 0.4;
    if (!(scale > 0) || order < 1) return std::nullopt;
    const double t = std::abs(y - imageHeight / 2) / scale;
    const double lambda = t / std::sqrt(1 + t * t) * kGratingPeriodNm / order;
    const auto nm = static_cast<int>(std::lround(lambda));
    if (nm < kSpectrumLastWavelength || nm > kSpectrumFirstWavelength) return std::nullopt;
    return nm;
}

std::vector<SpectralLine> spectrometerLines(const SpectrometerParams &p) {
    std::vector<SpectralLine> lines;
    for (const int order : {1, 2}) {
        if (!(order == 1 ? p.firstOrder : p.secondOrder)) continue;
        for (int lambda = kSpectrumFirstWavelength; lambda >= kSpectrumLastWavelength; --lambda) {
            const int b = spectrumBrightness(p.source, p.whiteLight, lambda, order);
            const float K = spectralOffset(p.imageWidth, order, lambda);
            if (K >= 0 && b != 0) lines.push_back({order, lambda, K, b});
        }
    }
    return lines;
}
