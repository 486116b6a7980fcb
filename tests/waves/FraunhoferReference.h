#pragma once
// The straightforward Fraunhofer computation in 32-bit floats, column by
// column, each pattern value added to every pixel of the opening's box: the
// yardstick for the fast kernel in tests and bench. Sane inputs only.
#include "waves/fraunhofer/Fraunhofer.h"

#include <algorithm>
#include <cmath>
#include <vector>

inline FraunhoferPicture fraunhoferReference(const FraunhoferInputs &in) {
    constexpr int side = 400;
    const float lambda = static_cast<float>(in.wavelengthNm * 1e-9L);
    const float L = in.distance, a = in.width, b = in.height, S = in.screen;
    const float pi = 3.141592653589793f;
    std::vector<float> acc(side * side, 0.0f); // (x, y) at [x * side + y]
    float rowFactor[side];
    const int N = static_cast<int>(std::trunc(a * 200.0f / S));
    const int M = static_cast<int>(std::trunc(b * 200.0f / S));
    for (int x = 0; x < side; ++x) {
        float Fx = 1;
        const float sx = std::sin(std::atan(static_cast<float>(200 - x) * S * 0.0025f / L));
        if (sx != 0) {
            const float beta = sx * (pi * a / lambda);
            Fx = std::sin(beta) * std::sin(beta) / (beta * beta);
        }
        const int c0 = std::max(x - N, 0), c1 = std::min(x + N, side);
        for (int y = 0; y < side; ++y) {
            if (x == 0) {
                float Fy = 1;
                const float sy = std::sin(std::atan(static_cast<float>(200 - y) * S * 0.0025f / L));
                if (sy != 0) {
                    const float gamma = sy * (pi * b / lambda);
                    Fy = std::sin(gamma) * std::sin(gamma) / (gamma * gamma);
                }
                rowFactor[y] = Fy;
            }
            const float G = rowFactor[y] * Fx;
            const int r0 = std::max(y - M, 0), r1 = std::min(y + M, side);
            for (int col = c0; col < c1; ++col) {
                float *column = acc.data() + col * side;
                for (int row = r0; row < r1; ++row)
                    column[row] += G;
            }
        }
    }
    float largest = 0;
    for (float v : acc)
        if (v > largest) largest = v;
    FraunhoferPicture out;
    if (largest > 0)
        for (int x = 0; x < side; ++x)
            for (int y = 0; y < side; ++y)
                out.value[y * side + x] = static_cast<std::int32_t>(
                    static_cast<double>(acc[x * side + y]) * 255 / largest);
    return out;
}
