#pragma once
// The straightforward interference sum in extended precision, exactly as
// the algorithm reads: the yardstick for the fast kernel in tests and bench.
#include "waves/interference/InterferenceKernel.h"

#include <cmath>
#include <vector>

// 2n samples, sample 0 left at 0, like the window's buffer.
inline std::vector<float> interferenceReference(const InterferenceInputs &in) {
    const long long n = static_cast<long long>(std::trunc(in.ymax / in.step));
    std::vector<float> out(static_cast<std::size_t>(2 * std::max(n, 0LL)), 0.0f);
    const long double twoPi = 6.283185307179586L, pi = 3.141592653589793L;
    const long double lambda = in.wavelengthNm * 1e-9L;
    const long double L = in.distance;
    const long double L2 = L * L;
    for (long long i = 1 - n; i <= n - 1; ++i) {
        const long double y = i * static_cast<long double>(in.step);
        long double C = 0, S = 0;
        for (const InterferenceSource &s : in.sources) {
            const long double d = y - s.position / static_cast<long double>(in.divisor);
            const long double r = std::sqrt(d * d + L2);
            const long double phi = twoPi * std::fmod(r, lambda) / lambda;
            const long double a = s.brightness / r;
            const long double c = std::cos(phi);
            C += a * c;
            if (phi < pi)
                S += a * std::sqrt(1 - c * c);
            else
                S -= a * std::sqrt(1 - c * c);
        }
        out[static_cast<std::size_t>(n + i)] = static_cast<float>((C * C + S * S) * 0.5L);
    }
    return out;
}
