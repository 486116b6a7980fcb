#pragma once
// Refraction of a parallel beam by Huygens' construction: a beam of rays
// falls on a plate 200 pixels thick; each ray that reaches the upper surface
// starts a wavelet growing at the speed 1/n, and once the whole beam has
// arrived the refracted rays cross the plate and go on in the air below.
// Geometry in single precision; time in ticks, one tick moving a front by
// one pixel in the air. Coordinates are picture pixels before the drawing's
// 10 pixel shift to the right.
#include <utility>
#include <vector>

namespace huygens {

constexpr int kMaxTime = 10000;
constexpr int kMaxSpin = 9999999;

// What the window's controls hold and the picture's size.
struct Inputs {
    int W = 705, H = 549;  // picture (image) size
    int t = 1;             // ticks since the start
    int thetaDegrees = 30; // angle of incidence
    int spacing = 10;      // between the rays, across the beam
    int width = 100;       // of the beam, across it
    float n1 = 1.3f, n2 = 1.3f;
};

struct Setup {
    int W = 0, H = 0;
    int yTop = 0, yBot = 0; // surfaces of the plate
    int t = 0;
    int s = 1;    // spacing
    float w = 0;  // beam width as a real number
    int wInt = 0; // and truncated
    float theta = 0, sinT = 0, cosT = 1, tanT = 0;
    float pMax = 0;    // when the last ray reaches the plate
    float xLast = 0;   // where it does
    float T = 0;       // t once the whole beam has arrived, else 0
    int lastIndex = 0; // rays are k = j * s for j = 0 .. lastIndex
};

// Inputs out of their controls' ranges (a spin edit reads what was typed)
// are brought into them first: angle 0..89, spacing and width 1..9999999,
// time 0..10000.
Setup makeSetup(const Inputs &in);

// One refracted beam. A beam whose index is below sin(theta) (negative ones
// included) has no refraction angle and is not drawn.
struct Beam {
    float n = 1;
    bool exists = false;
    float beta = 0, sinB = 0, cosB = 1, tanB = 0;
    float D = 200; // path across the plate
};
// An index read as 0 counts as 1.
float indexOrOne(float n);
Beam makeBeam(const Setup &st, float n);

// One ray of the incident beam at offset k across it.
struct Ray {
    float k = 0;
    float hx = 0, hy = 0; // start, on the line through the top-left corner
    float x = 0, y = 0;   // current point, or the arrival point
    float p = 0;          // travel, or arrival time once arrived
    float e = 0;          // time since arrival (0 before)
    bool arrived = false;
};
Ray incident(const Setup &st, int k);

// What one ray of a beam shows beyond the upper surface.
struct Refracted {
    float rho = 0;         // wavelet radius in the plate
    bool crossing = false; // the whole beam has arrived: the ray crosses the plate
    float X2 = 0, Y2 = 0;  // end of the refracted ray
    bool left = false;     // it has left the plate
    float rLow = 0;        // wavelet radius below the plate
    bool emergent = false; // the wavelet below stopped growing: the ray goes on
    float gx = 0, gy = 0;  // end of the emergent ray
};
Refracted refract(const Setup &st, const Beam &b, const Ray &r);

// Whether ray j is one of the last ones, which also draw the wavefronts.
bool drawsFronts(const Setup &st, int k);

// Index ranges [first, last] of the rays that can show anything in a view of
// viewW x viewH pixels, ascending and disjoint. Rays outside them lie wholly
// outside the view, so a tick costs what the view can show, however wide the
// beam and fine its spacing.
std::vector<std::pair<int, int>> raysInView(const Setup &st, const std::vector<Beam> &beams,
                                            int viewW, int viewH);

} // namespace huygens
