#include "geometric/huygens/HuygensScene.h"

#include "core/ClipLine.h"
#include "core/Pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace huygens;

namespace {

const QColor kPlate(0x20, 0x20, 0x60);
const QColor kSurface(0x80, 0x80, 0x80);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kGreen(0x00, 0xFF, 0x00);

// Truncated toward zero, kept as a real so that far-away points keep their
// direction until they are clipped.
double tr(float v) {
    return std::trunc(double(v));
}

struct Pt {
    double x, y;
};

constexpr double kNear = 8;      // lines this far outside the view are skipped
constexpr double kClipBox = 2e5; // far points are clipped to this box first

void segment(Canvas &c, Pt a, Pt b) {
    if (std::max(a.x, b.x) < -kNear || std::min(a.x, b.x) > c.width() + kNear ||
        std::max(a.y, b.y) < -kNear || std::min(a.y, b.y) > c.height() + kNear)
        return;
    const double far = kPixelLimit / 2.0;
    const bool near =
        std::abs(a.x) < far && std::abs(a.y) < far && std::abs(b.x) < far && std::abs(b.y) < far;
    if (!near && !clipToBox(a, b, kClipBox)) return;
    c.MoveTo(toPixel(a.x), toPixel(a.y));
    c.LineTo(toPixel(b.x), toPixel(b.y));
}

void dotted(Canvas &c, Pt a, Pt b) {
    c.setPenStyle(PenStyle::Dot);
    c.setPenWidth(1);
    segment(c, a, b);
    c.setPenStyle(PenStyle::Solid);
    c.setPenWidth(2);
}

// The lower half of the circle of radius r about (cx, cy). Circles that miss
// the view, or hold all of it inside, cost nothing.
void halfRing(Canvas &c, float cx, float cy, float r) {
    const double l = tr(cx - r), t = tr(cy - r), rr = tr(cx + r), b = tr(cy + r);
    const double W = c.width(), H = c.height();
    if (rr < -kNear || l > W + kNear || b < -kNear || t > H + kNear) return;
    const double lowY = std::max<double>(cy, 0);
    const double farthest = std::hypot(std::max<double>(cx, W - cx), std::max(H - lowY, 0.0));
    if (double(r) - 3 > farthest) return;
    if (std::max({std::abs(l), std::abs(t), std::abs(rr), std::abs(b)}) >= kPixelLimit) return;
    drawLowerHalfRing(c, toPixel(l), toPixel(t), toPixel(rr), toPixel(b));
}

void drawBeam(Canvas &c, const Setup &st, const Beam &beam, const QColor &colour, const Ray &ray,
              int k) {
    const Refracted f = refract(st, beam, ray);
    c.setPenColor(colour);
    const bool fronts = drawsFronts(st, k);
    const float w = float(st.wInt);
    if (f.crossing) {
        if (fronts)
            dotted(c, {tr(st.xLast + 10), double(st.yTop)},
                   {tr(st.xLast + 10 - 1.5f * w), tr(st.yTop + 1.5f * w * beam.tanB)});
        segment(c, {tr(ray.x + 10), tr(ray.y)}, {tr(f.X2 + 10), tr(f.Y2)});
        if (f.emergent) {
            const float x0 = st.xLast + 200 * beam.tanB + 10;
            if (fronts)
                dotted(c, {tr(x0), double(st.yBot)},
                       {tr(x0 - 1.5f * w), tr(st.yBot + 1.5f * w * st.tanT)});
            segment(c, {tr(f.X2 + 10), tr(f.Y2)}, {tr(f.gx + 10), tr(f.gy)});
        }
        if (f.rLow != 0) halfRing(c, f.X2 + 10, f.Y2, f.rLow);
    }
    if (f.rho != 0) halfRing(c, ray.x + 10, ray.y, f.rho);
}

struct Coloured {
    Beam beam;
    QColor colour;
};

void plate(Canvas &c, const Setup &st) {
    c.setBrushColor(kPlate);
    c.FillRect(0, st.yTop, st.W, st.yBot);
    c.setBrushColor(Qt::black);
    c.setPenColor(kSurface);
    c.setPenWidth(2);
    c.setPenStyle(PenStyle::Solid);
    segment(c, {0, double(st.yTop)}, {double(st.W - 1), double(st.yTop)});
    segment(c, {0, double(st.yBot)}, {double(st.W - 1), double(st.yBot)});
}

// Background, plate and the beams that exist; the rays are left to the caller.
std::vector<Coloured> prepare(Canvas &c, const Setup &st, const Inputs &in) {
    c.setBrushColor(Qt::black);
    c.setBrushStyle(BrushStyle::Solid);
    c.FillRect(0, 0, st.W, st.H);
    c.setPenMode(PenMode::Merge);
    plate(c, st);
    const float n1 = indexOrOne(in.n1), n2 = indexOrOne(in.n2);
    std::vector<Coloured> beams;
    if (n1 != n2) {
        beams.push_back({makeBeam(st, n1), kRed});
        beams.push_back({makeBeam(st, n2), kGreen});
    } else {
        beams.push_back({makeBeam(st, n1), kYellow});
    }
    return beams;
}

void drawRay(Canvas &c, const Setup &st, const std::vector<Coloured> &beams, int k) {
    const Ray ray = incident(st, k);
    c.setPenColor(kYellow);
    segment(c, {tr(ray.hx + 10), tr(ray.hy)}, {tr(ray.x + 10), tr(ray.y)});
    for (const Coloured &b : beams)
        if (b.beam.exists) drawBeam(c, st, b.beam, b.colour, ray, k);
}

} // namespace

namespace {

struct Span {
    long long first, last; // empty when first > last
};

// Pixels of a row whose centres lie inside the ellipse, as the canvas finds them.
Span ellipseRow(double cx, double cy, double a, double b, double yc) {
    if (a <= 0 || b <= 0) return {1, 0};
    const double u = (yc - cy) / b;
    if (u * u >= 1) return {1, 0};
    const double hw = a * std::sqrt(1 - u * u);
    return {(long long)std::ceil(cx - hw - 0.5), (long long)std::ceil(cx + hw - 0.5) - 1};
}

void orSpan(std::uint32_t *row, long long from, long long to, std::uint32_t rgb) {
    for (long long x = from; x <= to; ++x)
        row[x] |= rgb;
}

} // namespace

void drawLowerHalfRing(Canvas &c, int x1, int y1, int x2, int y2) {
    QImage &img = c.image();
    const int w = img.width(), h = img.height();
    const double l = std::min(x1, x2), r = std::max(x1, x2);
    const double t = std::min(y1, y2), b = std::max(y1, y2);
    const double cx = (l + r) / 2, cy = (t + b) / 2, a = (r - l) / 2, bb = (b - t) / 2;
    if (a <= 0 || bb <= 0 || w <= 0 || h <= 0) return;
    // A pen 2 pixels wide: the ring runs from half a pixel outside the
    // outline to one and a half inside it.
    const double grow = 0.5, shrink = 1.5;
    const long long top = std::max({0.0, std::floor(t - grow), std::ceil(cy - 0.5)});
    const long long bottom = std::min<long long>(h - 1, (long long)std::ceil(b + grow));
    const std::uint32_t rgb = c.penColor().rgb() & 0xFFFFFFu;
    const int stride = img.bytesPerLine() / 4;
    auto *bits = reinterpret_cast<std::uint32_t *>(img.bits());
    for (long long y = top; y <= bottom; ++y) {
        const double yc = double(y) + 0.5;
        const Span outer = ellipseRow(cx, cy, a + grow, bb + grow, yc);
        const Span in = ellipseRow(cx, cy, a - shrink, bb - shrink, yc);
        const long long from = std::max<long long>(outer.first, 0);
        const long long to = std::min<long long>(outer.last, w - 1);
        if (from > to) continue;
        std::uint32_t *row = bits + std::size_t(y) * std::size_t(stride);
        if (in.first > in.last) {
            orSpan(row, from, to, rgb);
            continue;
        }
        orSpan(row, from, std::min(to, in.first - 1), rgb);
        orSpan(row, std::max(from, in.last + 1), to, rgb);
    }
}

int drawHuygensScene(Canvas &c, const Inputs &in) {
    const Setup st = makeSetup(in);
    const std::vector<Coloured> beams = prepare(c, st, in);
    std::vector<Beam> plain;
    for (const Coloured &b : beams)
        plain.push_back(b.beam);
    int drawn = 0;
    for (const auto &[first, last] : raysInView(st, plain, c.width(), c.height()))
        for (int j = first; j <= last; ++j, ++drawn)
            drawRay(c, st, beams, j * st.s);
    return drawn;
}

int drawHuygensSceneAllRays(Canvas &c, const Inputs &in) {
    const Setup st = makeSetup(in);
    const std::vector<Coloured> beams = prepare(c, st, in);
    int drawn = 0;
    for (long long k = 0; k <= st.wInt; k += st.s, ++drawn)
        drawRay(c, st, beams, int(k));
    return drawn;
}
