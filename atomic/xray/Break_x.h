#pragma once
// The X-ray tube model: sixteen elements with their inner-shell levels, the
// bremsstrahlung continuum that starts at the short-wavelength limit and the
// seven characteristic lines of each element. No GUI here; the plotting on a
// canvas is in atomic/XraySpectrumPlot.h, in the same namespace.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace Break_x {

struct TElements {
    std::string_view Symbol; // the lookup key, case-sensitive
    std::uint8_t Z;          // atomic number
    // Levels in eV: K, L1, L2, L3, M1, M2, M3, M4, M5, one N level (E1..E10);
    // 0 where the level is not known.
    std::array<long double, 10> Levels;
};

constexpr int kElementCount = 16;
// Entries 1..10 may be picked by name; 11..16 only as the hidden element.
constexpr int kNamedElements = 10;
constexpr int kFirstHidden = 11;

// The table, 0-based here: entry i of the window is Elements[i - 1].
extern const std::array<TElements, kElementCount> Elements;
// Entry 1..16, or nullptr for any other index.
const TElements *ElementAt(int index);

// Curve colours 1..8 as 0xRRGGBB: red, blue, green, maroon, yellow, black,
// teal, olive.
constexpr int kColourCount = 8;
extern const std::array<std::uint32_t, kColourCount> GraphColors;
// GraphColors[i] for i in 1..8; red for anything else.
std::uint32_t GraphColor(int i);

// The unit's state: one object, owned by the window and handed to the
// drawing functions that read or advance it.
struct XrayState {
    std::int32_t CurColor = 1; // colour index 1..8 of the next curve
    std::int32_t V = 0;        // tube voltage, volts
    long double lambda = 0;    // current wavelength (Å) while a curve is drawn
    long double kx = 0;        // pixels per ångström of the last drawing; 0 before any
    long double ky = 0;        // pixels per intensity unit of the last drawing
};

// The axes cross this many pixels from the picture's left edge.
constexpr int kAxisLeft = 10;

constexpr long double hc = 12398.5L;      // eV·Å
constexpr long double kMaxLambda = 7.0L;  // plotted range 0..7 Å
constexpr long double kLineWidth = 0.01L; // Å
constexpr long double kStep = 0.001L;     // Å between samples

// Symbols of entries 1..10 in table order, each line ended by CR LF.
std::string GetElementsList();
// Index 1..16 of the entry with exactly this symbol (the last one if several),
// 0 when there is none.
int FindElement(std::string_view symbol);

// Nearest integer, ties to even; NaN gives 0 and huge values saturate, so
// any intensity maps to a harmless pixel.
int RoundHalfEven(long double v);

struct XrayLine {
    long double lambda;    // Å
    long double amplitude; // peak height over the continuum; 0 if not excited
};

// The spectrum of one element at one tube voltage.
class XraySpectrum {
  public:
    XraySpectrum(const TElements &element, std::int32_t voltage);

    // Short-wavelength limit hc / V (Å).
    long double lambdaMin() const { return lambdaMin_; }
    // False for a voltage that cannot drive the tube (0 or negative).
    bool valid() const { return valid_; }
    const std::array<XrayLine, 7> &lines() const { return lines_; }

    long double continuum(long double lam) const;
    // Continuum plus the Lorentz profiles of the seven lines.
    long double intensity(long double lam) const;

    // Walks lambda from the short-wavelength limit to 7 Å in steps of
    // 0.001 Å, added up, and calls visit(lambda, I). The first sample is 0
    // so that every curve starts on the axis.
    template <class Visit> void forEachSample(Visit &&visit) const {
        if (!valid_) return;
        bool first = true;
        for (long double lambda = lambdaMin_; lambda <= kMaxLambda; lambda += kStep) {
            visit(lambda, first ? 0.0L : intensity(lambda));
            first = false;
        }
    }

  private:
    const TElements &element_;
    bool valid_;
    bool inverseSquare_; // "Kr" and "Hg": continuum falls as 1 / λ²
    long double lambdaMin_;
    long double power_; // (V / 115000)^1.1
    std::array<XrayLine, 7> lines_;
};

// "Длина волны" readout: 3 significant digits shown with 3 decimals
// (1.2345 -> "1.230"), "." as the decimal point.
std::string FormatWavelength(long double angstrom);

} // namespace Break_x
