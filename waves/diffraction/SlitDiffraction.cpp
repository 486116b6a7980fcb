#include "waves/diffraction/SlitDiffraction.h"

#include <cmath>
#include <numbers>

namespace slit {

double sincSquared(double b) {
    if (std::abs(b) < 1e-8) return 1.0;
    const double s = std::sin(b) / b;
    return s * s;
}

namespace {

bool valid(const Setup &s) {
    return s.slitWidth > 0 && s.wavelength > 0 && s.distance > 0 && std::isfinite(s.slitWidth) &&
           std::isfinite(s.wavelength) && std::isfinite(s.distance);
}

} // namespace

double intensity(const Setup &s, double x) {
    if (!valid(s) || !std::isfinite(x)) return x == 0 ? 1.0 : 0.0;
    const double sinTheta = x / std::hypot(x, s.distance);
    return sincSquared(std::numbers::pi * s.slitWidth * sinTheta / s.wavelength);
}

std::vector<double> row(const Setup &s, int count, double pixelSize) {
    std::vector<double> out(count > 0 ? count : 0);
    const double middle = (static_cast<double>(out.size()) - 1) / 2;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = intensity(s, (static_cast<double>(i) - middle) * pixelSize);
    return out;
}

double darkFringe(const Setup &s, int m) {
    if (!valid(s) || m <= 0) return 0;
    const double sinTheta = m * s.wavelength / s.slitWidth;
    if (sinTheta >= 1) return INFINITY; // that order does not exist
    return s.distance * sinTheta / std::sqrt(1 - sinTheta * sinTheta);
}

} // namespace slit
