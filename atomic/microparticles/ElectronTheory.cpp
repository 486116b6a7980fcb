#include "atomic/microparticles/ElectronTheory.h"

#include <cmath>

namespace {

constexpr double kPlanck = 6.62607015e-34;         // J s
constexpr double kElectronMass = 9.1093837015e-31; // kg
constexpr double kCharge = 1.602176634e-19;        // C
constexpr double kRestEnergyEv = 510998.95;        // m c^2, eV

// h / sqrt(2 m e U) at U volts.
double classical(double volts) {
    return kPlanck / std::sqrt(2 * kElectronMass * kCharge * volts);
}

} // namespace

ElectronTheory electronTheory(double kilovolts) {
    ElectronTheory t;
    if (!(kilovolts > 0) || !std::isfinite(kilovolts)) return t;
    const double volts = kilovolts * 1000;
    t.valid = true;
    t.classicalWavelength = classical(volts);
    t.wavelength = t.classicalWavelength / std::sqrt(1 + volts / (2 * kRestEnergyEv));
    t.correction = t.wavelength / t.classicalWavelength - 1;
    // The screen's first ring, 370 / sqrt(1.001 U[kV]) pixels, over the
    // classical wavelength: the same at every voltage.
    const double K = 370 * std::sqrt(1000 / 1.001) / classical(1);
    for (int n = 1; n <= 5; ++n)
        t.rings[n - 1] = K * t.wavelength * std::sqrt(double(n));
    return t;
}
