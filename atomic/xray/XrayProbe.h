#pragma once
// What the pointer reads on the spectrum picture: the wavelength under a
// column, with the scale of the last drawing, and each drawn curve's
// intensity there.
#include "atomic/xray/Break_x.h"

#include <optional>
#include <vector>

namespace Break_x {

// One curve drawn: the table entry (1..16) and the tube voltage.
struct XrayCurve {
    int index = 0;
    std::int32_t voltage = 0;
};

// The wavelength (Å) at column x; none before any drawing or outside 0..7 Å.
std::optional<long double> WavelengthAt(const XrayState &state, int x);
// The curve's intensity at lambda as drawn: 0 short of its limit hc / V.
long double CurveIntensity(const XrayCurve &curve, long double lambda);
// Rows every kStep from 0 to 7 Å: lambda, then each curve's intensity.
std::vector<std::vector<long double>> CurveRows(const std::vector<XrayCurve> &curves);

} // namespace Break_x
