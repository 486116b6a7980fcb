#include "atomic/microparticles/ElectronSampler.h"

#include "core/Pixels.h"

#include <chrono>
#include <cmath>
#include <numbers>

namespace electrons {

namespace {

// Upper bounds of L for the five rings, and their reduced radii.
constexpr float kRingEnds[] = {0.375f, 0.577f, 0.74f, 0.849f, 1.0f};
constexpr float kRingRadii[] = {0.37f, 0.525f, 0.64f, 0.74f, 0.83f};
constexpr float kSpotRadius = 0.15f;

} // namespace

RadiusClass radiusClassOf(float L) {
    for (int i = 0; i < 5; ++i)
        if (L < kRingEnds[i]) return static_cast<RadiusClass>(i);
    return RadiusClass::Spot;
}

float reducedRadius(float L, float p, int s) {
    const RadiusClass kind = radiusClassOf(L);
    if (kind == RadiusClass::Spot) return kSpotRadius * p;
    const float d = 0.001f * std::exp(-10.0f * p);
    const float ring = kRingRadii[static_cast<int>(kind)];
    return s % 2 != 0 ? ring + d : ring - d;
}

std::optional<float> scaleFor(int kilovolts) {
    if (kilovolts <= 0) return std::nullopt;
    return 1000.0f / std::sqrt(1.001f * static_cast<float>(kilovolts));
}

std::uint32_t ElectronSampler::clockSeed() {
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

Landing ElectronSampler::next(float scale) {
    constexpr float kM = kDrawModulus;
    const float L = 2.0f * static_cast<float>(draw()) / kM;
    const float p = static_cast<float>(draw()) / kM;
    const float phi = 2.0f * std::numbers::pi_v<float> * static_cast<float>(draw()) / kM;
    const int s = draw() % 2;
    const float r = scale * reducedRadius(L, p, s);
    return {toPixel(r * std::cos(phi)), toPixel(r * std::sin(phi)), radiusClassOf(L)};
}

} // namespace electrons
