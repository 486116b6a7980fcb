#include "waves/fraunhofer/Fraunhofer.h"

#include "core/ParallelRows.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kSide = kFraunhoferSide;
constexpr int kCentre = kSide / 2;
using Line = std::array<double, kSide>;

bool positive(float v) {
    return v > 0 && std::isfinite(v);
}

float lambdaOf(int nm) {
    return static_cast<float>(nm * 1e-9L);
}

// sinc² of the diffraction angle of pixel p along a side of the given size,
// in 32-bit floats like the row and column factors always were.
float factor(int p, float size, float screen, float distance, float lambda) {
    const float u = static_cast<float>(kCentre - p) * screen * 0.0025f;
    const float sine = std::sin(std::atan(u / distance));
    if (sine == 0) return 1;
    const float beta = sine * (3.141592653589793f * size / lambda);
    const float s = std::sin(beta);
    const float b2 = beta * beta;
    // A vanishing angle whose square underflows is the centre of the lobe.
    return b2 > 0 ? s * s / b2 : 1.0f;
}

// Sum of the factors of the pixels that spread onto each pixel: those q with
// q - n <= p < q + n, that is p - n < q <= p + n, within the screen.
Line boxSums(float size, float screen, float distance, float lambda) {
    std::array<double, kSide + 1> prefix{};
    for (int q = 0; q < kSide; ++q)
        prefix[q + 1] = prefix[q] + factor(q, size, screen, distance, lambda);
    const int n = fraunhoferHalfSpan(size, screen);
    Line box{};
    for (int p = 0; p < kSide; ++p) {
        const int from = std::max(p - n + 1, 0);
        const int to = std::min(p + n + 1, kSide);
        box[p] = from < to ? prefix[to] - prefix[from] : 0.0;
    }
    return box;
}

} // namespace

FraunhoferProblem checkFraunhofer(const FraunhoferInputs &in) {
    if (!(in.wavelengthNm > 0) || !positive(lambdaOf(in.wavelengthNm)))
        return FraunhoferProblem::Wavelength;
    if (!positive(in.distance)) return FraunhoferProblem::Distance;
    if (!positive(in.screen)) return FraunhoferProblem::Screen;
    return FraunhoferProblem::None;
}

int fraunhoferHalfSpan(float size, float screen) {
    const float q = size * 200.0f / screen;
    if (!(q == q)) return 0;
    if (q >= kSide) return kSide;
    if (q <= -1) return -1;
    return static_cast<int>(q);
}

FraunhoferPicture computeFraunhofer(const FraunhoferInputs &in, RunControl &control) {
    FraunhoferPicture out;
    // Openings of no size, or of a negative one, are black; so is a screen
    // the sizes do not reach.
    if (checkFraunhofer(in) != FraunhoferProblem::None || !std::isfinite(in.width) ||
        !std::isfinite(in.height))
        return out;
    const float lambda = lambdaOf(in.wavelengthNm);
    const Line columns = boxSums(in.width, in.screen, in.distance, lambda);
    const Line rows = boxSums(in.height, in.screen, in.distance, lambda);
    const double largest = *std::max_element(columns.begin(), columns.end()) *
                           *std::max_element(rows.begin(), rows.end());
    if (!(largest > 0) || !std::isfinite(largest)) {
        control.percent(100);
        return out;
    }
    ParallelRows work;
    work.first = 0;
    work.last = kSide - 1;
    work.chunk = 40;
    runParallelRows(
        work,
        [&](std::int64_t first, std::int64_t last) {
            for (std::int64_t y = first; y <= last; ++y) {
                std::int32_t *row = out.value.data() + y * kSide;
                for (int x = 0; x < kSide; ++x) {
                    // The brightest pixel is 255 exactly: v x 255 / v may round below.
                    const double v = columns[x] * rows[y];
                    row[x] =
                        v >= largest
                            ? 255
                            : static_cast<std::int32_t>(std::clamp(v * 255 / largest, 0.0, 255.0));
                }
            }
        },
        control.cancelFlag(), [&](std::int64_t done) { control.progress(done, kSide); });
    return out;
}
