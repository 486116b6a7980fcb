#include "atomic/microparticles/ElectronSampler.h"

#include "core/Pixels.h"

#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

namespace electrons {

namespace {

// Upper bounds of L for the five rings, and their reduced radii.
constexpr float kRingEnds[] = {0.375f, 0.577f, 0.74f, 0.849f, 1.0f};
constexpr float kRingRadii[] = {0.37f, 0.525f, 0.64f, 0.74f, 0.83f};
constexpr float kSpotRadius = 0.15f;
constexpr float kM = kDrawModulus;

float spreadOf(float p) {
    return 0.001f * std::exp(-10.0f * p);
}
float angleOf(int k) {
    return 2.0f * std::numbers::pi_v<float> * static_cast<float>(k) / kM;
}

// A draw takes one of only 32767 values, so the spread and the angle's
// cosine and sine are looked up rather than computed for every electron;
// the values are the same.
struct Tables {
    std::vector<float> spread, cos, sin;
    Tables() {
        spread.reserve(kDrawModulus);
        cos.reserve(kDrawModulus);
        sin.reserve(kDrawModulus);
        for (int k = 0; k < kDrawModulus; ++k) {
            spread.push_back(spreadOf(static_cast<float>(k) / kM));
            cos.push_back(std::cos(angleOf(k)));
            sin.push_back(std::sin(angleOf(k)));
        }
    }
};

const Tables &tables() {
    static const Tables t;
    return t;
}

} // namespace

RadiusClass radiusClassOf(float L) {
    for (int i = 0; i < 5; ++i)
        if (L < kRingEnds[i]) return static_cast<RadiusClass>(i);
    return RadiusClass::Spot;
}

float reducedRadius(float L, float p, int s) {
    const RadiusClass kind = radiusClassOf(L);
    if (kind == RadiusClass::Spot) return kSpotRadius * p;
    const float d = spreadOf(p);
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
    const Tables &t = tables();
    const int k1 = draw(), k2 = draw(), k3 = draw(), k4 = draw();
    const float L = 2.0f * static_cast<float>(k1) / kM;
    const RadiusClass kind = radiusClassOf(L);
    float q = kSpotRadius * (static_cast<float>(k2) / kM);
    if (kind != RadiusClass::Spot) {
        const float ring = kRingRadii[static_cast<int>(kind)];
        q = k4 % 2 != 0 ? ring + t.spread[std::size_t(k2)] : ring - t.spread[std::size_t(k2)];
    }
    const float r = scale * q;
    return {toPixel(r * t.cos[std::size_t(k3)]), toPixel(r * t.sin[std::size_t(k3)]), kind};
}

} // namespace electrons
