#include "waves/fraunhofer/FraunhoferTheory.h"

#include <cmath>

FraunhoferMinima fraunhoferMinima(const FraunhoferInputs &in, double size) {
    FraunhoferMinima t;
    if (checkFraunhofer(in) != FraunhoferProblem::None || !(size > 0)) return t;
    const double lambda = in.wavelengthNm * 1e-9, L = in.distance;
    const double metresPerPixel = in.screen / double(kFraunhoferSide);
    for (int m = 1;; ++m) {
        const double x = m * lambda * L / size;
        if (x > in.screen / 2) return t;
        const double sine = m * lambda / size;
        if (sine >= 1 || std::abs(L * std::tan(std::asin(sine)) - x) > metresPerPixel) {
            t.smallAngleFails = true;
            return t;
        }
        if (x / m < 3 * metresPerPixel) {
            t.tooDense = true;
            return t;
        }
        t.at.push_back(x);
    }
}

double fraunhoferPixel(double position, const FraunhoferInputs &in) {
    return kFraunhoferSide / 2 - position / (in.screen / double(kFraunhoferSide));
}
