#include "geometric/lens/ThinLens.h"

#include <cfloat>
#include <cmath>

namespace thinlens {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTiny = 1e-8;
// Enough for any object nearer than about 10 km; further out the image
// distance is finite and sensible anyway, only the guard's margin shrinks.
constexpr int kMaxFocusSteps = 1000;

// Direction of the vector (dx, dy) the way the drawing code measures it:
// pi/2 for a vertical vector pointing down (dy >= 0), -pi/2 pointing up;
// otherwise atan(dy/dx), turned by pi when dx < 0.
double direction(double dx, double dy) {
    double phi = kPi / 2;
    if (dx != 0)
        phi = std::atan(dy / dx);
    else if (dy < 0)
        phi = -kPi / 2;
    if (dx < 0) phi += kPi;
    return phi;
}

bool atFocus(float D, float x) {
    return std::abs(double(D) / 100 - 1 / double(x)) < kTiny;
}

} // namespace

float single(double v) {
    if (!(v == v)) return 0;
    if (v > FLT_MAX) return FLT_MAX;
    if (v < -FLT_MAX) return -FLT_MAX;
    return float(v);
}

Object makeObject(float d, float h, float tiltDegrees) {
    Object o;
    o.d = d;
    o.h = h;
    o.alpha = single(double(tiltDegrees) * kPi / 180);
    o.Q = single(double(d) + double(h) * std::cos(double(o.alpha)));
    o.R = single(double(h) * std::sin(double(o.alpha)));
    return o;
}

float stepOffFocus(float D, float x) {
    if (std::abs(x) < kTiny) x = float(kTiny);
    for (int i = 0; i < kMaxFocusSteps && atFocus(D, x); ++i)
        x = single(double(x) + double(x) * 1e-5);
    return x;
}

float imageDistance(float D, float x) {
    const double gap = double(D) / 100 - 1 / double(x);
    // Only an exact focus left by the bounded guard gives 0 here.
    return gap == 0 ? FLT_MAX : single(1 / gap);
}

Image imageOf(float D, const Object &o) {
    Image im;
    im.d = stepOffFocus(D, o.d);
    im.Q = stepOffFocus(D, o.Q);
    im.vB = imageDistance(D, im.d);
    im.vQ = imageDistance(D, im.Q);
    im.yQ = single(double(o.R) * double(im.vQ) / double(im.Q));
    const double dv = double(im.vQ) - double(im.vB);
    im.s = single(std::sqrt(dv * dv + double(im.yQ) * double(im.yQ)));
    return im;
}

ImagePath imagePath(float D, const Object &o, const Image &im) {
    ImagePath path;
    const float step = single((double(im.Q) - double(im.d)) * 0.01);
    path.points[0] = {im.vB, 0, false};
    for (int i = 1; i <= ImagePath::kSteps; ++i) {
        // The same guard as for the base and the tip, on every point.
        const float x = stepOffFocus(D, single(double(im.d) + i * double(step)));
        ImagePath::Point &p = path.points[std::size_t(i)];
        p.v = imageDistance(D, x);
        p.y = single(i * double(o.R) * 0.01 * double(p.v) / double(x));
        const ImagePath::Point &prev = path.points[std::size_t(i - 1)];
        p.joined = double(p.y) * double(prev.y) >= 0;
        if (!p.joined) path.broken = true;
    }
    return path;
}

float headDirection(const Image &im) {
    float theta = float(kPi / 2);
    if (im.vQ != im.vB)
        theta = single(std::atan(-double(im.yQ) / (double(im.vQ) - double(im.vB))));
    else if (im.yQ < 0)
        theta = float(-kPi / 2);
    if (im.vQ > im.vB) theta = single(double(theta) + kPi);
    return theta;
}

bool grabsObject(const PanelGeometry &p, const Object &o, double X, double Y) {
    const double bx = p.W / 2 - kScale * double(o.d), by = p.H / 2;
    const double tx = p.W / 2 - kScale * double(o.Q), ty = p.H / 2 + kScale * double(o.R);
    const double phiObject = direction(tx - bx, ty - by);
    const double phiPointer = direction(X - bx, Y - by);
    // Compared as directions: straight up is both -pi/2 and 3pi/2.
    const double turn = std::remainder(phiPointer - phiObject, 2 * kPi);
    const double fromAxis = Y - p.H / 2;
    return std::abs(turn) < 0.4 && std::abs(fromAxis) < std::abs(kScale * o.R) &&
           fromAxis * double(o.R) > 0;
}

TipPose tipAt(const PanelGeometry &p, float d, double X, double Y) {
    float px = single((p.W / 2 - X) / kScale);
    const float py = single((p.H / 2 - Y) / kScale);
    if (double(px) * double(d) < 0) px = 0; // the tip stays on the object's side
    const double dx = double(px) - double(d);
    TipPose pose;
    pose.height = single(std::sqrt(dx * dx + double(py) * double(py)));
    float theta = float(kPi / 2);
    if (px != d)
        theta = single(std::atan(-double(py) / dx));
    else if (py > 0)
        theta = 4.712389f;
    if (d > px) theta = single(double(theta) + kPi);
    if (theta < 0) theta = single(double(theta) + 2 * kPi);
    pose.tiltDegrees = single(double(theta) * 180 / kPi);
    return pose;
}

} // namespace thinlens
