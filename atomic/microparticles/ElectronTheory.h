#pragma once
// The de Broglie wavelength of electrons accelerated through U,
// lambda = h / sqrt(2 m e U (1 + e U / (2 m c^2))), and the rings it
// predicts for a simple cubic polycrystal: r = K lambda sqrt(N), N = 1..5
// (h^2 + k^2 + l^2 of the first five reflections, small angles). K, the
// screen distance over the lattice constant in pixels per metre, is the one
// the screen's own scale implies: its first ring at 370 / sqrt(1.001 U[kV])
// pixels is K times the non-relativistic wavelength.
#include <array>

struct ElectronTheory {
    bool valid = false;
    double wavelength = 0;          // m, with the relativistic correction
    double classicalWavelength = 0; // m, h / sqrt(2 m e U)
    double correction = 0;          // wavelength / classical - 1 (negative)
    std::array<double, 5> rings{};  // pixels from the screen's centre
};

// `kilovolts` as the window reads it.
ElectronTheory electronTheory(double kilovolts);
