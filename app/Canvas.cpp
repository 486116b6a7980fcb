#include "app/Canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

// Integer inputs beyond this are clamped before any arithmetic, so products
// of two coordinate differences always fit in 64 bits.
constexpr std::int64_t kCoordLimit = std::int64_t(1) << 28;

std::int64_t clampCoord(int v) {
    return std::clamp<std::int64_t>(v, -kCoordLimit, kCoordLimit);
}

double clampReal(double v) {
    constexpr double lim = double(kCoordLimit);
    if (!(v == v)) return 0;
    return std::clamp(v, -lim, lim);
}

std::uint32_t rgbOf(const QColor &c) {
    return c.rgb() & 0x00FFFFFFu;
}

// Cosmetic pen patterns in pixels, alternating on and off, as Windows draws them.
struct Pattern {
    int len;
    int runs[6];
};

const Pattern *patternOf(PenStyle s) {
    static const Pattern dash{2, {18, 6}};
    static const Pattern dot{2, {3, 3}};
    static const Pattern dashDot{4, {9, 6, 3, 6}};
    static const Pattern dashDotDot{6, {9, 3, 3, 3, 3, 3}};
    switch (s) {
    case PenStyle::Dash:
        return &dash;
    case PenStyle::Dot:
        return &dot;
    case PenStyle::DashDot:
        return &dashDot;
    case PenStyle::DashDotDot:
        return &dashDotDot;
    default:
        return nullptr;
    }
}

bool patternOn(const Pattern *p, std::int64_t step) {
    if (!p) return true;
    int period = 0;
    for (int i = 0; i < p->len; ++i)
        period += p->runs[i];
    int at = int(step % period);
    for (int i = 0; i < p->len; ++i) {
        if (at < p->runs[i]) return i % 2 == 0;
        at -= p->runs[i];
    }
    return true;
}

int patternPeriod(const Pattern *p) {
    int period = 0;
    if (p)
        for (int i = 0; i < p->len; ++i)
            period += p->runs[i];
    return period;
}

// Pixels whose centres (x + 0.5) satisfy lo <= a * xc + b < hi, as a range
// [first, last] of integer x; empty when first > last.
struct Span {
    std::int64_t first, last;
};

Span solveSpan(double a, double b, double lo, double hi, double xmin, double xmax) {
    double from = xmin, to = xmax;
    if (a == 0) {
        if (!(b >= lo && b < hi)) return {1, 0};
    } else if (a > 0) {
        from = std::max(from, (lo - b) / a);
        to = std::min(to, (hi - b) / a); // exclusive
    } else {
        from = std::max(from, (hi - b) / a); // exclusive
        to = std::min(to, (lo - b) / a);
    }
    // Centres xc in [from, to): x = xc - 0.5.
    const auto first = std::int64_t(std::ceil(from - 0.5));
    auto last = std::int64_t(std::ceil(to - 0.5)) - 1;
    return {first, last};
}

// Horizontal span of an axis-aligned ellipse on the row with centre yc.
Span ellipseRow(double cx, double cy, double a, double b, double yc) {
    if (a <= 0 || b <= 0) return {1, 0};
    const double t = (yc - cy) / b;
    if (t * t >= 1) return {1, 0};
    const double hw = a * std::sqrt(1 - t * t);
    return {std::int64_t(std::ceil(cx - hw - 0.5)), std::int64_t(std::ceil(cx + hw - 0.5)) - 1};
}

} // namespace

namespace canvas_detail {

// Writes pixels in one pen or brush mode, clipped to the image.
class Painter {
  public:
    Painter(QImage &img, const QColor &c, PenMode m)
        : w(img.width()), h(img.height()), rgb(rgbOf(c)), mode(m) {
        if (w > 0 && h > 0) {
            bits = reinterpret_cast<std::uint32_t *>(img.bits());
            stride = img.bytesPerLine() / 4;
        }
    }
    bool inside(std::int64_t x, std::int64_t y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    void put(std::int64_t x, std::int64_t y) {
        if (!inside(x, y)) return;
        std::uint32_t &p = bits[std::size_t(y) * std::size_t(stride) + std::size_t(x)];
        switch (mode) {
        case PenMode::Copy:
            p = 0xFF000000u | rgb;
            break;
        case PenMode::Merge:
            p = 0xFF000000u | ((p | rgb) & 0x00FFFFFFu);
            break;
        case PenMode::Xor:
            p = 0xFF000000u | ((p ^ rgb) & 0x00FFFFFFu);
            break;
        }
    }
    void span(std::int64_t y, std::int64_t x0, std::int64_t x1) {
        if (y < 0 || y >= h) return;
        x0 = std::max<std::int64_t>(x0, 0);
        x1 = std::min<std::int64_t>(x1, w - 1);
        for (std::int64_t x = x0; x <= x1; ++x)
            put(x, y);
    }
    int w, h;

  private:
    std::uint32_t *bits = nullptr;
    int stride = 0;
    std::uint32_t rgb;
    PenMode mode;
};

// Collects pixels so that a shape made of overlapping pieces touches every
// pixel once (XOR and merge would otherwise show the overlaps).
struct PixelSet {
    std::vector<std::int64_t> keys;
    void add(std::int64_t x, std::int64_t y) { keys.push_back((y << 32) | (x & 0xFFFFFFFF)); }
    void applyTo(Painter &p) {
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        for (std::int64_t k : keys)
            p.put(std::int32_t(k & 0xFFFFFFFF), k >> 32);
    }
    bool contains(std::int64_t x, std::int64_t y) const {
        return std::binary_search(keys.begin(), keys.end(), (y << 32) | (x & 0xFFFFFFFF));
    }
    void finish() {
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    }
};

} // namespace canvas_detail

using canvas_detail::Painter;
using canvas_detail::PixelSet;

namespace {

// Bresenham from (x0, y0) towards (x1, y1), end pixel excluded. Only the steps
// that fall inside the w x h image are visited, so a far-off line costs
// nothing. Step i is reported with its index (for dash patterns).
template <class F>
void bresenham(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, int w, int h,
               F &&plot) {
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t n = xMajor ? std::abs(dx) : std::abs(dy); // steps, end excluded
    if (n == 0) return;
    const std::int64_t m = xMajor ? std::abs(dy) : std::abs(dx);
    const std::int64_t sMaj = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t sMin = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t maj0 = xMajor ? x0 : y0, min0 = xMajor ? y0 : x0;
    const std::int64_t majSize = xMajor ? w : h, minSize = xMajor ? h : w;
    // Minor offset of step i, rounded to nearest (halves away from the start).
    auto minorAt = [&](std::int64_t i) { return min0 + sMin * ((2 * i * m + n) / (2 * n)); };
    // Steps whose major coordinate lies in [0, majSize).
    std::int64_t lo = 0, hi = n - 1;
    if (sMaj > 0) {
        lo = std::max(lo, -maj0);
        hi = std::min(hi, majSize - 1 - maj0);
    } else {
        lo = std::max(lo, maj0 - (majSize - 1));
        hi = std::min(hi, maj0);
    }
    if (lo > hi) return;
    // The minor coordinate is monotonic in i: narrow [lo, hi] by binary search.
    auto inMinor = [&](std::int64_t i) {
        const std::int64_t v = minorAt(i);
        return v >= 0 && v < minSize;
    };
    auto before = [&](std::int64_t i) { // true while the minor coordinate has not entered yet
        const std::int64_t v = minorAt(i);
        return sMin > 0 ? v < 0 : v >= minSize;
    };
    std::int64_t a = lo, b = hi + 1;
    while (a < b) {
        const std::int64_t mid = a + (b - a) / 2;
        if (before(mid))
            a = mid + 1;
        else
            b = mid;
    }
    for (std::int64_t i = a; i <= hi && inMinor(i); ++i) {
        const std::int64_t maj = maj0 + sMaj * i, mn = minorAt(i);
        if (xMajor)
            plot(maj, mn, i);
        else
            plot(mn, maj, i);
    }
}

// A wide line with flat caps: pixel centres within width/2 of the segment,
// from the start point (included) to the end point (excluded).
template <class F>
void wideLine(double x0, double y0, double x1, double y1, int width, int w, int h, F &&plot) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double len = std::hypot(dx, dy);
    if (len == 0) return;
    const double half = width / 2.0;
    // Rows the band can touch, clipped to the image.
    const double reachY = half * std::abs(dx) / len;
    const double yTop = std::min(y0, y1) + 0.5 - reachY, yBot = std::max(y0, y1) + 0.5 + reachY;
    const auto rowFrom = std::max<std::int64_t>(0, std::int64_t(std::floor(yTop - 0.5)));
    const auto rowTo = std::min<std::int64_t>(h - 1, std::int64_t(std::ceil(yBot)));
    const double cx = x0 + 0.5, cy = y0 + 0.5;
    for (std::int64_t y = rowFrom; y <= rowTo; ++y) {
        const double yc = y + 0.5 - cy;
        // Along the segment: 0 <= (xc - cx) dx + yc dy < len^2.
        const Span along = solveSpan(dx, yc * dy - cx * dx, 0, len * len, -1, w + 1);
        // Across: -half len <= -(xc - cx) dy + yc dx < half len.
        const Span across = solveSpan(-dy, yc * dx + cx * dy, -half * len, half * len, -1, w + 1);
        const std::int64_t first = std::max({along.first, across.first, std::int64_t(0)});
        const std::int64_t last = std::min({along.last, across.last, std::int64_t(w - 1)});
        for (std::int64_t x = first; x <= last; ++x)
            plot(x, y);
    }
}

} // namespace

Canvas::Canvas(QImage &image) : img(image) {
    if (!img.isNull() && img.format() != QImage::Format_RGB32)
        img = img.convertToFormat(QImage::Format_RGB32);
}

void Canvas::LineTo(int x, int y) {
    const QPoint from = pos;
    pos = QPoint(x, y);
    if (penStyle_ == PenStyle::Clear || img.isNull()) return;
    Painter p(img, penColor_, penMode_);
    if (penWidth_ > 1) {
        wideLine(clampReal(from.x()), clampReal(from.y()), clampReal(x), clampReal(y), penWidth_,
                 p.w, p.h, [&](std::int64_t px, std::int64_t py) { p.put(px, py); });
        return;
    }
    strokeThin(p, from, QPoint(x, y));
}

void Canvas::strokeThin(Painter &p, QPoint from, QPoint to) {
    const Pattern *pat = patternOf(penStyle_);
    const std::int64_t phase = patternPhase;
    bresenham(clampCoord(from.x()), clampCoord(from.y()), clampCoord(to.x()), clampCoord(to.y()),
              p.w, p.h, [&](std::int64_t px, std::int64_t py, std::int64_t i) {
                  if (patternOn(pat, phase + i)) p.put(px, py);
              });
    if (pat) {
        const std::int64_t n = std::max(std::abs(clampCoord(to.x()) - clampCoord(from.x())),
                                        std::abs(clampCoord(to.y()) - clampCoord(from.y())));
        patternPhase = int((phase + n) % patternPeriod(pat));
    }
}

void Canvas::strokePath(const QVector<QPoint> &points, bool closed) {
    if (points.isEmpty()) return;
    QVector<QPoint> path = points;
    if (closed) path.append(points.front());
    pos = path.front();
    patternPhase = 0;
    if (penStyle_ == PenStyle::Clear || img.isNull()) {
        pos = path.back();
        return;
    }
    Painter p(img, penColor_, penMode_);
    if (penWidth_ <= 1) {
        for (int i = 1; i < path.size(); ++i)
            strokeThin(p, path[i - 1], path[i]);
    } else {
        // Joined wide segments overlap at the joints: touch each pixel once.
        PixelSet set;
        for (int i = 1; i < path.size(); ++i)
            wideLine(clampReal(path[i - 1].x()), clampReal(path[i - 1].y()), clampReal(path[i].x()),
                     clampReal(path[i].y()), penWidth_, p.w, p.h,
                     [&](std::int64_t px, std::int64_t py) { set.add(px, py); });
        set.applyTo(p);
    }
    pos = path.back();
}

void Canvas::Polyline(const QVector<QPoint> &points) {
    const QPoint keep = pos;
    strokePath(points, false);
    pos = keep; // a polyline neither uses nor moves the pen position
}

void Canvas::Polygon(const QVector<QPoint> &points) {
    if (points.size() < 2 || img.isNull()) return;
    const QPoint keep = pos;
    if (brushStyle_ != BrushStyle::Clear) {
        // The outline is drawn after the fill; the fill leaves its pixels alone
        // so that a XOR polygon changes every pixel once.
        PixelSet outline;
        if (penStyle_ != PenStyle::Clear) outlinePixels(points, outline);
        Painter b(img, brushColor_, penMode_);
        fillPolygon(points, b, outline);
    }
    strokePath(points, true);
    pos = keep;
}

void Canvas::outlinePixels(const QVector<QPoint> &points, PixelSet &set) const {
    const int w = img.width(), h = img.height();
    for (int i = 0; i < points.size(); ++i) {
        const QPoint a = points[i], b = points[(i + 1) % points.size()];
        if (penWidth_ <= 1)
            bresenham(clampCoord(a.x()), clampCoord(a.y()), clampCoord(b.x()), clampCoord(b.y()), w,
                      h, [&](std::int64_t x, std::int64_t y, std::int64_t) { set.add(x, y); });
        else
            wideLine(clampReal(a.x()), clampReal(a.y()), clampReal(b.x()), clampReal(b.y()),
                     penWidth_, w, h, [&](std::int64_t x, std::int64_t y) { set.add(x, y); });
    }
    set.finish();
}

// Even-odd fill of pixel centres, vertices taken as pixel corners (so the
// right and bottom edges stay out, like a rectangle).
void Canvas::fillPolygon(const QVector<QPoint> &pts, Painter &p, const PixelSet &skip) const {
    double top = 1e300, bottom = -1e300;
    for (const QPoint &q : pts) {
        top = std::min(top, clampReal(q.y()));
        bottom = std::max(bottom, clampReal(q.y()));
    }
    const auto y0 = std::max<std::int64_t>(0, std::int64_t(std::floor(top)));
    const auto y1 = std::min<std::int64_t>(p.h - 1, std::int64_t(std::ceil(bottom)));
    std::vector<double> xs;
    for (std::int64_t y = y0; y <= y1; ++y) {
        const double yc = y + 0.5;
        xs.clear();
        for (int i = 0; i < pts.size(); ++i) {
            const double ax = clampReal(pts[i].x()), ay = clampReal(pts[i].y());
            const QPoint &nb = pts[(i + 1) % pts.size()];
            const double bx = clampReal(nb.x()), by = clampReal(nb.y());
            if ((ay <= yc && yc < by) || (by <= yc && yc < ay))
                xs.push_back(ax + (yc - ay) * (bx - ax) / (by - ay));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
            const auto first = std::max<std::int64_t>(0, std::int64_t(std::ceil(xs[k] - 0.5)));
            const auto last =
                std::min<std::int64_t>(p.w - 1, std::int64_t(std::ceil(xs[k + 1] - 0.5)) - 1);
            for (std::int64_t x = first; x <= last; ++x)
                if (!skip.contains(x, y)) p.put(x, y);
        }
    }
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (img.isNull()) return;
    std::int64_t l = clampCoord(std::min(x1, x2)), r = clampCoord(std::max(x1, x2));
    std::int64_t t = clampCoord(std::min(y1, y2)), b = clampCoord(std::max(y1, y2));
    if (r <= l || b <= t) return;
    const bool pen = penStyle_ != PenStyle::Clear;
    // The pen's band straddles the one-pixel frame [l, r) x [t, b).
    const int before = pen ? (penWidth_ - 1) / 2 : 0;
    const int after = pen ? penWidth_ - 1 - before : -1;
    const std::int64_t il = l + 1 + after, ir = r - 1 - before; // inside, exclusive right
    const std::int64_t it = t + 1 + after, ib = b - 1 - before;
    if (brushStyle_ != BrushStyle::Clear) {
        Painter fill(img, brushColor_, penMode_);
        for (std::int64_t y = std::max<std::int64_t>(it, 0); y < std::min<std::int64_t>(ib, fill.h);
             ++y)
            fill.span(y, il, ir - 1);
    }
    if (!pen) return;
    if (penWidth_ <= 1 && penStyle_ != PenStyle::Solid && r - l >= 2 && b - t >= 2) {
        // A patterned frame follows the outline as one path, each pixel once.
        const QPoint keep = pos;
        const int L = int(l), T = int(t), R = int(r) - 1, B = int(b) - 1;
        strokePath({{L, T}, {R, T}, {R, B}, {L, B}}, true);
        pos = keep;
        return;
    }
    Painter p(img, penColor_, penMode_);
    const std::int64_t ol = l - before, orr = r + after, ot = t - before, ob = b + after;
    for (std::int64_t y = std::max<std::int64_t>(ot, 0); y < std::min<std::int64_t>(ob, p.h); ++y) {
        if (y < it || y >= ib || il >= ir) {
            p.span(y, ol, orr - 1);
        } else {
            p.span(y, ol, il - 1);
            p.span(y, ir, orr - 1);
        }
    }
}

void Canvas::FillRect(const QRect &r) {
    FillRect(r.left(), r.top(), r.right(), r.bottom());
}

void Canvas::FillRect(int x1, int y1, int x2, int y2) {
    if (img.isNull() || brushStyle_ == BrushStyle::Clear) return;
    const std::int64_t l = clampCoord(std::min(x1, x2)), r = clampCoord(std::max(x1, x2));
    const std::int64_t t = clampCoord(std::min(y1, y2)), b = clampCoord(std::max(y1, y2));
    Painter p(img, brushColor_, PenMode::Copy);
    for (std::int64_t y = std::max<std::int64_t>(t, 0); y < std::min<std::int64_t>(b, p.h); ++y)
        p.span(y, l, r - 1);
}

void Canvas::ellipsePixels(int x1, int y1, int x2, int y2, PixelSet &ring, PixelSet *inner) const {
    const double l = clampReal(std::min(x1, x2)), r = clampReal(std::max(x1, x2));
    const double t = clampReal(std::min(y1, y2)), b = clampReal(std::max(y1, y2));
    const double cx = (l + r) / 2, cy = (t + b) / 2, a = (r - l) / 2, bb = (b - t) / 2;
    const int w = img.width(), h = img.height();
    // A wide pen's ring is penWidth thick, centred on the one-pixel outline.
    const double grow = (penWidth_ - 1) / 2.0, shrink = (penWidth_ + 1) / 2.0;
    const auto y0 = std::max<std::int64_t>(0, std::int64_t(std::floor(t - grow)));
    const auto y1e = std::min<std::int64_t>(h - 1, std::int64_t(std::ceil(b + grow)));
    for (std::int64_t y = y0; y <= y1e; ++y) {
        const double yc = y + 0.5;
        const Span outer = ellipseRow(cx, cy, a + grow, bb + grow, yc);
        Span in = ellipseRow(cx, cy, a - shrink, bb - shrink, yc);
        if (penWidth_ <= 1) {
            // One pixel: the boundary of the digital disc, found from the rows
            // around, so the outline is closed and never doubled.
            const Span up = ellipseRow(cx, cy, a, bb, yc - 1),
                       down = ellipseRow(cx, cy, a, bb, yc + 1);
            in = {std::max({outer.first + 1, up.first, down.first}),
                  std::min({outer.last - 1, up.last, down.last})};
        }
        const std::int64_t from = std::max<std::int64_t>(outer.first, 0);
        const std::int64_t to = std::min<std::int64_t>(outer.last, w - 1);
        for (std::int64_t x = from; x <= to; ++x) {
            if (x >= in.first && x <= in.last) {
                if (inner) inner->add(x, y);
            } else {
                ring.add(x, y);
            }
        }
    }
    ring.finish();
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (img.isNull()) return;
    PixelSet ring, inner;
    ellipsePixels(x1, y1, x2, y2, ring, &inner);
    if (brushStyle_ != BrushStyle::Clear) {
        Painter fill(img, brushColor_, penMode_);
        // Without a pen the ring belongs to the fill.
        if (penStyle_ == PenStyle::Clear) ring.applyTo(fill);
        inner.applyTo(fill);
    }
    if (penStyle_ == PenStyle::Clear) return;
    Painter p(img, penColor_, penMode_);
    ring.applyTo(p);
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    if (img.isNull() || penStyle_ == PenStyle::Clear) return;
    const double l = clampReal(std::min(x1, x2)), r = clampReal(std::max(x1, x2));
    const double t = clampReal(std::min(y1, y2)), b = clampReal(std::max(y1, y2));
    const double cx = (l + r) / 2, cy = (t + b) / 2, a = (r - l) / 2, bb = (b - t) / 2;
    if (a <= 0 || bb <= 0) return;
    // Angles counter-clockwise on the screen (y grows downwards), in the
    // ellipse's parameter space so a radial meets the outline where it should.
    auto angle = [&](double x, double y) {
        double ang = std::atan2(-(y - cy) / bb, (x - cx) / a);
        return ang < 0 ? ang + 2 * std::numbers::pi : ang;
    };
    const double start = angle(clampReal(x3), clampReal(y3));
    double sweep = angle(clampReal(x4), clampReal(y4)) - start;
    if (sweep <= 0) sweep += 2 * std::numbers::pi; // equal radials: the whole ellipse
    PixelSet ring;
    ellipsePixels(x1, y1, x2, y2, ring, nullptr);
    Painter p(img, penColor_, penMode_);
    for (std::int64_t k : ring.keys) {
        const std::int64_t x = std::int32_t(k & 0xFFFFFFFF), y = k >> 32;
        double rel = angle(x + 0.5, y + 0.5) - start;
        if (rel < 0) rel += 2 * std::numbers::pi;
        if (rel <= sweep) p.put(x, y);
    }
}

void Canvas::FloodFill(int x, int y, const QColor &border) {
    const int w = img.width(), h = img.height();
    if (x < 0 || y < 0 || x >= w || y >= h || brushStyle_ == BrushStyle::Clear) return;
    const std::uint32_t stop = rgbOf(border);
    const auto *bits = reinterpret_cast<const std::uint32_t *>(img.constBits());
    const int stride = img.bytesPerLine() / 4;
    auto fillable = [&](int px, int py) {
        return (bits[std::size_t(py) * std::size_t(stride) + std::size_t(px)] & 0x00FFFFFFu) !=
               stop;
    };
    if (!fillable(x, y)) return;
    // Scanline fill; the visited mask (not the colour) ends it, so a brush of
    // any colour, the border's included, always terminates.
    std::vector<std::uint8_t> seen(std::size_t(w) * std::size_t(h), 0);
    std::vector<QPoint> stack{{x, y}};
    Painter p(img, brushColor_, PenMode::Copy);
    std::vector<std::array<int, 3>> spans; // (y, left, right), painted at the end
    while (!stack.empty()) {
        const QPoint s = stack.back();
        stack.pop_back();
        const int sy = s.y();
        std::uint8_t *row = &seen[std::size_t(sy) * std::size_t(w)];
        if (row[s.x()] || !fillable(s.x(), sy)) continue;
        int lx = s.x(), rx = s.x();
        while (lx > 0 && !row[lx - 1] && fillable(lx - 1, sy))
            --lx;
        while (rx < w - 1 && !row[rx + 1] && fillable(rx + 1, sy))
            ++rx;
        std::fill(row + lx, row + rx + 1, std::uint8_t(1));
        spans.push_back({sy, lx, rx});
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h) continue;
            const std::uint8_t *nrow = &seen[std::size_t(ny) * std::size_t(w)];
            bool open = false;
            for (int px = lx; px <= rx; ++px) {
                const bool can = !nrow[px] && fillable(px, ny);
                if (can && !open) stack.push_back({px, ny});
                open = can;
            }
        }
    }
    for (const auto &sp : spans)
        p.span(sp[0], sp[1], sp[2]);
}

void Canvas::setPixel(int x, int y, const QColor &c) {
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    Painter p(img, c, PenMode::Copy);
    p.put(x, y);
}

QColor Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return QColor();
    return QColor(img.pixel(x, y));
}

QFont Canvas::textFont() const {
    QFont f = font_;
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void Canvas::TextOut(int x, int y, const QString &text) {
    if (img.isNull() || text.isEmpty()) return;
    const QFont f = textFont();
    const QFontMetrics fm(f);
    const QPoint at(int(clampCoord(x)), int(clampCoord(y)));
    const QRect box(at, QSize(fm.horizontalAdvance(text), fm.height()));
    if (!box.intersects(img.rect())) return;
    QPainter painter(&img);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (brushStyle_ != BrushStyle::Clear) painter.fillRect(box, QColor(brushColor_.rgb()));
    painter.setFont(f);
    painter.setPen(QColor(fontColor_.rgb()));
    painter.drawText(at.x(), at.y() + fm.ascent(), text);
}

QSize Canvas::TextExtent(const QString &text) const {
    const QFontMetrics fm(textFont());
    return QSize(fm.horizontalAdvance(text), fm.height());
}

namespace {
// The pixels [left, right) x [top, bottom) of a rectangle given by its corners.
QRect cornersToPixels(const QRect &r) {
    const int l = int(clampCoord(std::min(r.left(), r.right())));
    const int rr = int(clampCoord(std::max(r.left(), r.right())));
    const int t = int(clampCoord(std::min(r.top(), r.bottom())));
    const int b = int(clampCoord(std::max(r.top(), r.bottom())));
    return QRect(l, t, rr - l, b - t);
}
} // namespace

void Canvas::CopyRect(const QRect &dest, const Canvas &source, const QRect &sourceRect) {
    if (img.isNull() || source.img.isNull()) return;
    const QRect src = cornersToPixels(sourceRect), dst = cornersToPixels(dest);
    if (src.isEmpty() || dst.isEmpty()) return;
    if (dst.size() == src.size()) {
        // Plain copy, clipped on both sides, safe when source and destination overlap.
        QRect s = src.intersected(source.img.rect());
        const QRect d = s.translated(dst.topLeft() - src.topLeft()).intersected(img.rect());
        s = d.translated(src.topLeft() - dst.topLeft());
        if (d.isEmpty()) return;
        const QImage part = source.img.copy(s);
        QPainter painter(&img);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(d.topLeft(), part);
        return;
    }
    // Stretched: only sensible sizes are scaled, anything larger is skipped.
    if (!dst.intersects(img.rect()) || dst.width() > 65536 || dst.height() > 65536) return;
    if (src.width() > 65536 || src.height() > 65536) return;
    const QImage part = source.img.copy(src); // parts outside the source come out black
    QPainter painter(&img);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(dst, part);
}
