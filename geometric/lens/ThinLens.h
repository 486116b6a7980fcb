#pragma once
// Thin-lens image construction: the object arrow, its image point by point,
// and the geometry of dragging the object with the mouse. Distances are in
// centimetres, the optical power D in dioptres (focal length 100 / D cm).
//
// Values derived from the inputs are stored in single precision, as the
// pictures depend on where those values round. Each formula is evaluated in
// double and stored saturated (never infinite or NaN), so that no input,
// however extreme, can poison the drawing with non-finite numbers.
#include <array>

namespace thinlens {

// Pixels per centimetre of the picture.
constexpr float kScale = 10.0f;
// Half opening of the arrowheads: 5 degrees.
constexpr double kHeadAngle = 3.14159265358979323846 / 36;

// A double stored as a single: saturated to the largest finite single, NaN as 0.
float single(double v);

// The object arrow: its base stands on the axis at distance d left of the
// lens, its tip at distance Q and offset R (positive below the axis).
struct Object {
    float d = 0, h = 0, alpha = 0; // distance, height, tilt in radians
    float Q = 0, R = 0;
};
Object makeObject(float d, float h, float tiltDegrees);

// Steps a distance off the lens plane and off the focal plane, where its
// image would lie at infinity. Relative steps of 1e-5, at most a bounded
// number of them, so that a nearly flat lens cannot make it loop forever.
float stepOffFocus(float D, float x);

// Image distance of a point at (guarded) distance x: 1 / (D/100 - 1/x).
float imageDistance(float D, float x);

// The image of the base and of the tip; vB < 0 is a virtual image.
struct Image {
    float d = 0, Q = 0;           // the object's distances, stepped off the focus
    float vB = 0, vQ = 0, yQ = 0; // base distance, tip distance and height (up)
    float s = 0;                  // image size
};
Image imageOf(float D, const Object &o);

// The image traced point by point along the object (101 points from base to
// tip). A point whose height changes sign has jumped through infinity where
// the object crosses the focal plane: the segment to it is not drawn.
struct ImagePath {
    static constexpr int kSteps = 100;
    struct Point {
        float v = 0, y = 0;
        bool joined = false; // a line leads to this point from the previous one
    };
    std::array<Point, kSteps + 1> points{};
    bool broken = false;
};
ImagePath imagePath(float D, const Object &o, const Image &im);

// Direction of the arrowhead barbs of the image (radians).
float headDirection(const Image &im);

// Mouse geometry. W and H are the panel's size in pixels; X and Y the
// pointer in picture pixels.
struct PanelGeometry {
    double W = 0, H = 0;
};
// True when the pointer lies in the wedge of +-0.4 rad around the arrow,
// between the axis and the tip's level.
bool grabsObject(const PanelGeometry &p, const Object &o, double X, double Y);

// The object's height and tilt (degrees, 0..360) that put its tip under the
// pointer; a tip pulled across the lens plane stays on it.
struct TipPose {
    float height = 0, tiltDegrees = 0;
};
TipPose tipAt(const PanelGeometry &p, float d, double X, double Y);

} // namespace thinlens
