#include "waves/interference/InterferenceTheory.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxOrders = 200;

// Sorted positions when all sources are equally bright and equally spaced.
bool equalRow(std::vector<InterferenceSource> s) {
    std::sort(s.begin(), s.end(), [](auto a, auto b) { return a.position < b.position; });
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i].brightness != s[0].brightness ||
            s[i].position - s[i - 1].position != s[1].position - s[0].position)
            return false;
    return true;
}

// r1 - r2 at y, for sources at centre -+ d/2: rises from -d to d.
double pathDifference(double y, double centre, double d, double L) {
    return std::hypot(y - centre + d / 2, L) - std::hypot(y - centre - d / 2, L);
}

// The y where the path difference is `target`, by bisection within [lo, hi].
double solvePath(double target, double lo, double hi, double centre, double d, double L) {
    for (int i = 0; i < 200 && lo < hi; ++i) {
        const double mid = (lo + hi) / 2;
        (pathDifference(mid, centre, d, L) < target ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

void addMaximum(InterferenceTheory &t, const InterferenceInputs &in, int m, double y) {
    const double small = t.centre + m * in.wavelengthNm * 1e-9 * in.distance / t.spacing;
    const double off = std::abs(small - y), scale = std::abs(y - t.centre);
    t.maxima.push_back({m, y, small, off <= 0.01 * scale || m == 0});
}

} // namespace

InterferenceTheory interferenceTheory(const InterferenceInputs &in) {
    InterferenceTheory t;
    const auto &s = in.sources;
    t.sources = int(s.size());
    if (s.empty()) return t;
    if (s.size() == 1) {
        t.arrangement = InterferenceArrangement::One;
        return t;
    }
    if (!equalRow(s) && s.size() > 2) {
        t.arrangement = InterferenceArrangement::Irregular;
        return t;
    }
    const auto [lo, hi] = std::minmax_element(
        s.begin(), s.end(), [](auto a, auto b) { return a.position < b.position; });
    t.arrangement =
        s.size() == 2 ? InterferenceArrangement::Two : InterferenceArrangement::EqualRow;
    t.spacing = double(hi->position - lo->position) / in.divisor / double(s.size() - 1);
    t.centre = (double(hi->position) + lo->position) / 2 / in.divisor;
    const double lambda = in.wavelengthNm * 1e-9, L = in.distance, d = t.spacing;
    if (!(lambda > 0) || !(L > 0) || !(in.ymax > 0)) return t;
    const double a = -in.ymax, b = in.ymax;
    // Two: r1 - r2 = m lambda exactly; a row: d sin(theta) = m lambda, y = L tan(theta).
    const bool two = s.size() == 2;
    auto orderAt = [&](double y) {
        return two ? pathDifference(y, t.centre, d, L) / lambda
                   : d * std::sin(std::atan((y - t.centre) / L)) / lambda;
    };
    const double first = std::ceil(orderAt(a)), last = std::floor(orderAt(b));
    if (last - first + 1 > kMaxOrders) {
        t.tooMany = true;
        return t;
    }
    for (int m = int(first); m <= int(last); ++m) {
        const double y = two ? solvePath(m * lambda, a, b, t.centre, d, L)
                             : t.centre + L * std::tan(std::asin(m * lambda / d));
        addMaximum(t, in, m, y);
    }
    return t;
}

double interferenceColumn(double y, double step, int count, int width, double scale, int position) {
    const double spp = double(count) / width;
    return width / 2 + scale * (y / step - position) / spp;
}
