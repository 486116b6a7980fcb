#include "atomic/xray/Break_x.h"

#include "core/Pixels.h"

#include <charconv>
#include <cmath>

namespace Break_x {

const std::array<TElements, kElementCount> Elements = {{
    {"Ca", 20, {4048, 441, 360, 357, 48, 34.7L, 34.3L, 0, 0, 0}},
    {"Fe", 26, {7117, 0, 726, 713, 0, 0, 59, 0, 0, 0}},
    {"Kr", 36, {14327, 1923, 1731, 1678, 0, 0, 215, 0, 0, 0}},
    {"Pd", 46, {24357, 3611, 3337, 3180, 677, 0, 537, 347, 342, 0}},
    {"Sn", 50, {29204, 4469, 4160, 3933, 888, 761, 719, 497, 489, 29}},
    {"Ba", 56, {37442, 5991, 5626, 5249, 1293, 1138, 1063, 797, 782, 101}},
    {"Er", 68, {57489, 9754, 9267, 8361, 2220, 2008, 1815, 1456, 1412, 181}},
    {"Pt", 78, {78399, 13883, 13277, 11567, 3300, 3030, 2649, 2206, 2126, 335}},
    {"Ra", 88, {103920, 19240, 18490, 15450, 4825, 4490, 3790, 3253, 3110, 640}},
    {"U", 92, {115005, 21763, 20953, 17170, 5553, 5185, 4308, 3730, 3555, 785}},
    {"Zn", 30, {9663, 1198, 1052, 1029, 141, 99, 96, 0, 0, 0}},
    {"Zr", 40, {18002, 2536, 2311, 2227, 434, 348, 335, 187, 185, 0}},
    {"Nd", 60, {43575, 7132, 6727, 6213, 1580, 1408, 1303, 1005, 983, 126}},
    {"Yb", 70, {61335, 10490, 9981, 8946, 2401, 2178, 1956, 1580, 1531, 200}},
    {"Hg", 80, {83108, 14845, 14214, 12288, 3567, 3283, 2852, 2390, 2300, 385}},
    {"Th", 90, {109655, 20475, 19700, 16305, 5187, 4835, 4050, 3495, 3337, 718}},
}};

const std::array<std::uint32_t, kColourCount> GraphColors = {
    0xFF0000, 0x0000FF, 0x008000, 0x800000, 0xFFFF00, 0x000000, 0x008080, 0x808000};

namespace {

// The seven lines: the two levels (1-based, E1..E10) and the weight.
struct LineRule {
    int upper;
    int lower;
    long double weight;
};
constexpr std::array<LineRule, 7> kLineRules = {{
    {1, 7, 0.05L},
    {1, 4, 0.02L},
    {1, 3, 0.06L},
    {3, 8, 0.04L},
    {3, 5, 0.03L},
    {4, 9, 0.05L},
    {4, 5, 0.03L},
}};

} // namespace

const TElements *ElementAt(int index) {
    if (index < 1 || index > kElementCount) return nullptr;
    return &Elements[static_cast<std::size_t>(index - 1)];
}

std::uint32_t GraphColor(int i) {
    if (i < 1 || i > kColourCount) return GraphColors[0];
    return GraphColors[static_cast<std::size_t>(i - 1)];
}

std::string GetElementsList() {
    std::string list;
    for (int i = 0; i < kNamedElements; ++i) {
        list += Elements[static_cast<std::size_t>(i)].Symbol;
        list += "\r\n";
    }
    return list;
}

int FindElement(std::string_view symbol) {
    int found = 0;
    for (int i = 1; i <= kElementCount; ++i)
        if (Elements[static_cast<std::size_t>(i - 1)].Symbol == symbol) found = i;
    return found;
}

int RoundHalfEven(long double v) {
    if (std::isnan(v)) return 0;
    if (v >= kPixelLimit) return kPixelLimit;
    if (v <= -kPixelLimit) return -kPixelLimit;
    // The default rounding mode rounds ties to even; lrint is a single
    // instruction where nearbyint saves and restores the FPU state.
    return static_cast<int>(std::lrint(v));
}

XraySpectrum::XraySpectrum(const TElements &element, std::int32_t voltage)
    : element_(element), valid_(voltage > 0),
      inverseSquare_(element.Symbol == "Kr" || element.Symbol == "Hg"), lambdaMin_(0),
      power_(0), lines_{} {
    if (!valid_) return;
    const long double volts = voltage;
    lambdaMin_ = hc / volts;
    power_ = std::pow(volts / 115000.0L, 1.1L);
    const long double gain = std::pow(volts / 11000.0L, 0.6L);
    for (std::size_t k = 0; k < kLineRules.size(); ++k) {
        const LineRule &r = kLineRules[k];
        const long double gap = element.Levels[static_cast<std::size_t>(r.upper - 1)] -
                                element.Levels[static_cast<std::size_t>(r.lower - 1)];
        // A line between levels in the wrong order does not exist.
        if (gap <= 0) {
            lines_[k] = {INFINITY, 0};
            continue;
        }
        const long double lam = hc / gap;
        // Below its excitation voltage a line stays dark.
        const bool excited = lambdaMin_ < lam + 2 * kLineWidth;
        lines_[k] = {lam, excited ? r.weight * gain : 0};
    }
}

long double XraySpectrum::continuum(long double lam) const {
    const long double z = element_.Z;
    if (inverseSquare_) return 0.0012L * power_ * std::sqrt(z) / (lam * lam);
    const long double ratio = lambdaMin_ / lam;
    return (z / 45) * power_ * ratio * (1 - ratio);
}

long double XraySpectrum::intensity(long double lam) const {
    constexpr long double halfWidth2 = (kLineWidth / 2) * (kLineWidth / 2);
    long double sum = continuum(lam);
    for (const XrayLine &line : lines_) {
        if (line.amplitude == 0) continue;
        const long double d = lam - line.lambda;
        sum += line.amplitude * halfWidth2 / (d * d + halfWidth2);
    }
    return sum;
}

std::string FormatWavelength(long double angstrom) {
    const double v = static_cast<double>(angstrom);
    if (!std::isfinite(v)) return "0.000";
    // Round to three significant digits first, then show three decimals;
    // to_chars and from_chars ignore the user's locale, so "." stays the point.
    char sig[32];
    const auto s = std::to_chars(sig, sig + sizeof sig, v, std::chars_format::scientific, 2);
    double rounded = v;
    std::from_chars(sig, s.ptr, rounded);
    char out[400];
    const auto f = std::to_chars(out, out + sizeof out, rounded, std::chars_format::fixed, 3);
    return std::string(out, f.ptr);
}

} // namespace Break_x
