#pragma once
// Fraunhofer diffraction by a single slit: the intensity on a distant
// screen, relative to the centre, I / I0 = (sin b / b)^2 with
// b = pi * width * sin(theta) / wavelength. The reading page's pictures of
// slit patterns are computed from it.
#include <vector>

namespace slit {

// (sin b / b)^2, 1 at b = 0 and for the tiny b where the quotient rounds to 1.
double sincSquared(double b);

struct Setup {
    double slitWidth = 0;  // metres
    double wavelength = 0; // metres
    double distance = 0;   // slit to screen, metres
};

// Relative intensity at x metres from the centre of the screen. A setup with
// a width, wavelength or distance that is not positive has no pattern: 0
// everywhere except 1 at the centre.
double intensity(const Setup &s, double x);

// The intensities of `count` pixels of `pixelSize` metres, centred on the
// axis (pixel i sits at (i - (count - 1) / 2) * pixelSize).
std::vector<double> row(const Setup &s, int count, double pixelSize);

// The m-th dark fringe (m = 1, 2, ...) on the screen, metres from the centre.
double darkFringe(const Setup &s, int m);

} // namespace slit
