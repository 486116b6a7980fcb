#include "waves/newton/NewtonProbe.h"

#include <cmath>

namespace {

NewtonRow rowOf(const NewtonInputs &in, const std::vector<int> &levels, std::size_t ring) {
    return {static_cast<double>(static_cast<long double>(ring) * in.h * 1000),
            levels[ring] / 255.0};
}

} // namespace

std::optional<NewtonReading> probeNewton(const NewtonInputs &in, const std::vector<int> &levels,
                                         int x, int y) {
    const auto n = static_cast<double>(levels.size());
    // The ring outlines are centred between pixels n - 1 and n.
    const double rho = std::hypot(x + 0.5 - n, y + 0.5 - n);
    const auto ring = static_cast<std::size_t>(std::lround(rho));
    if (levels.empty() || ring >= levels.size()) return std::nullopt;
    const NewtonRow row = rowOf(in, levels, ring);
    return NewtonReading{static_cast<int>(ring), row.radiusMm, row.intensity};
}

std::vector<NewtonRow> newtonProfileRows(const NewtonInputs &in, const std::vector<int> &levels) {
    std::vector<NewtonRow> rows;
    rows.reserve(levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i)
        rows.push_back(rowOf(in, levels, i));
    return rows;
}
