#include "atomic/xray/XrayProbe.h"

namespace Break_x {

std::optional<long double> WavelengthAt(const XrayState &state, int x) {
    if (!(state.kx > 0)) return std::nullopt;
    const long double lambda = (x - kAxisLeft) / state.kx;
    if (lambda < 0 || lambda > kMaxLambda) return std::nullopt;
    return lambda;
}

long double CurveIntensity(const XrayCurve &curve, long double lambda) {
    const TElements *element = ElementAt(curve.index);
    if (!element) return 0;
    const XraySpectrum spectrum(*element, curve.voltage);
    if (!spectrum.valid() || lambda < spectrum.lambdaMin()) return 0;
    return spectrum.intensity(lambda);
}

std::vector<std::vector<long double>> CurveRows(const std::vector<XrayCurve> &curves) {
    std::vector<std::vector<long double>> rows;
    const auto count = static_cast<int>(kMaxLambda / kStep + 0.5L);
    for (int k = 0; k <= count; ++k) {
        const long double lambda = k * kStep;
        std::vector<long double> row{lambda};
        for (const XrayCurve &curve : curves)
            row.push_back(CurveIntensity(curve, lambda));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace Break_x
