#pragma once
// Where single electrons land after a polycrystalline foil: half of them in
// a central spot, the rest on five thin rings whose radii scale with the
// de Broglie wavelength, i.e. with 1/sqrt(U). No Qt: the window, the picture
// generator, the tests and the benchmark share it.
#include <cstdint>
#include <optional>
#include <random>

namespace electrons {

// Draws are reduced modulo this value, so they run 0 .. kDrawModulus - 1.
constexpr int kDrawModulus = 32767;

// The radius classes in reduced units, by the first draw L = 2k/32767.
enum class RadiusClass { Ring1, Ring2, Ring3, Ring4, Ring5, Spot };
constexpr int kClassCount = 6;

RadiusClass radiusClassOf(float L);
// Reduced radius q: a ring radius moved by +-d (d = 0.001 e^(-10p), the sign
// from s: + when odd), or 0.15 p inside the spot.
float reducedRadius(float L, float p, int s);

// Pixels per reduced unit at U kilovolts: 1000 / sqrt(1.001 U); nothing
// for U <= 0, where no finite scale exists.
std::optional<float> scaleFor(int kilovolts);

struct Landing {
    int dx = 0; // pixels from the screen's centre, truncated toward zero
    int dy = 0;
    RadiusClass kind = RadiusClass::Spot;
};

class ElectronSampler {
  public:
    // A fixed seed repeats the same electrons (tests); the program seeds
    // from the clock.
    explicit ElectronSampler(std::uint32_t seed = clockSeed()) : generator(seed) {}
    void reseed(std::uint32_t seed) { generator.seed(seed); }
    static std::uint32_t clockSeed();

    // One draw of the generator reduced modulo 32767: 0 .. 32766.
    int draw() { return static_cast<int>(generator() % kDrawModulus); }
    // Four draws: the radius class, the spread or spot radius, the angle and
    // the sign of the spread.
    Landing next(float scale);

  private:
    std::mt19937 generator;
};

} // namespace electrons
