#include "waves/fresnel/FresnelProbe.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kCentre = 200;

std::optional<int> entryAt(long radius) {
    if (radius < 0 || radius >= kFresnelEntries) return std::nullopt;
    return static_cast<int>(radius);
}

} // namespace

std::optional<int> fresnelRingEntry(int x, int y) {
    // The rings are centred between pixels 199 and 200.
    return entryAt(std::lround(std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre)));
}

std::optional<int> fresnelGraphEntry(int x) {
    return entryAt(std::abs(x - kCentre));
}

FresnelReading fresnelReading(const FresnelProfile &profile, double screenRadius, int entry) {
    return {entry, entry * screenRadius * 1000 / kFresnelEntries,
            profile[static_cast<std::size_t>(entry)] / 255.0};
}

std::vector<FresnelReading> fresnelRows(const FresnelProfile &profile, double screenRadius) {
    std::vector<FresnelReading> rows;
    for (int k = 0; k < kFresnelEntries; ++k)
        rows.push_back(fresnelReading(profile, screenRadius, k));
    return rows;
}
