#pragma once
// The pictures of Newton's rings: the computed rings, the apparatus with its
// coloured rings in white light, the geometry of the gap, and the frames of
// the experiment's clip.
#include "core/WavelengthWalk.h"

#include <QImage>
#include <QSize>
#include <atomic>
#include <functional>
#include <vector>

class Canvas;

// The rings of a profile into a picture of 2n x 2n pixels, from the centre
// outward: ring i is the outline of the circle through (n - i, n - i) and
// (n + i, n + i), 2 pixels wide, in grey level i tinted by `colour` when
// `coloured`. `progress` gets each new whole percentage; drawing stops when
// it returns false, or as soon as `stop` is set (polled every ring: an outer
// ring of the largest picture alone takes milliseconds).
void drawNewtonRings(Canvas &canvas, const std::vector<int> &levels, bool coloured, Rgb colour,
                     const std::function<bool(int)> &progress = {},
                     const std::atomic<bool> *stop = nullptr);

// The ring pattern of the gap in white light, as the eye sees it: the
// profiles of several wavelengths tinted and added. Rc and a in metres,
// the pattern spans `radius` pixels.
QImage drawWhiteLightRings(int radius, long double Rc, long double a);
// The apparatus: a lens in a round frame with the coloured rings at its centre.
QImage drawRingApparatus(QSize size);
// The geometry: a convex lens on a plate, the gap d, the radius R, rays.
QImage drawNewtonGeometry(QSize size);
// One frame of the clip: the rings at `wavelength` nm seen through the
// eyepiece, `size` pixels.
QImage drawNewtonClipFrame(QSize size, int wavelength);
