#include "waves/spectrometer/GratingTheory.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPeriodNm = 2000;

GratingLine line(int lambda, int order, int width) {
    GratingLine g{lambda, order};
    const double s = order * lambda / kPeriodNm;
    g.exists = s >= 0 && s <= 1;
    if (!g.exists) return g;
    g.angle = std::asin(s) * 180 / std::numbers::pi;
    g.offset = s < 1 ? (width - 350) * 0.4 * s / std::sqrt(1 - s * s) : INFINITY;
    return g;
}

// The wavelengths marked for one order.
std::vector<int> wavelengths(const SpectrumSource &source, bool whiteLight, int order) {
    if (whiteLight) return {400, 500, 600, 700};
    std::vector<int> out;
    for (const SpectrumRange &r : source.ranges) {
        if ((order == 1 ? r.firstOrder : r.secondOrder) == 0) continue;
        out.push_back(r.begin);
        if (r.end != r.begin) out.push_back(r.end);
        if (int(out.size()) >= kMaxGratingLines) break;
    }
    return out;
}

} // namespace

std::vector<GratingLine> gratingTheory(const SpectrumSource &source, bool whiteLight,
                                       bool firstOrder, bool secondOrder, int imageWidth) {
    std::vector<GratingLine> lines;
    for (int m = 1; m <= 2; ++m) {
        if (!(m == 1 ? firstOrder : secondOrder)) continue;
        for (int lambda : wavelengths(source, whiteLight, m))
            lines.push_back(line(lambda, m, imageWidth));
    }
    return lines;
}
