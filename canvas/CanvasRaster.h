#pragma once
// Pixel-exact rasterising for Canvas: clipped Bresenham lines, flat-capped
// wide lines, ellipse rows, and a writer for the pen modes. Internal to
// Canvas.cpp; split out only to keep the files small.
#include "canvas/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace canvas_detail {

// Integer inputs beyond this are clamped before any arithmetic, so products
// of two coordinate differences always fit in 64 bits.
constexpr std::int64_t kCoordLimit = std::int64_t(1) << 28;

inline std::int64_t clampCoord(int v) {
    return std::clamp<std::int64_t>(v, -kCoordLimit, kCoordLimit);
}

inline double clampReal(double v) {
    constexpr double lim = double(kCoordLimit);
    if (!(v == v)) return 0;
    return std::clamp(v, -lim, lim);
}

inline std::uint32_t rgbOf(const QColor &c) {
    return c.rgb() & 0x00FFFFFFu;
}

// Cosmetic pen patterns in pixels, alternating on and off, as Windows draws them.
struct Pattern {
    int len;
    int runs[6];
};

inline const Pattern *patternOf(PenStyle s) {
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

inline int patternPeriod(const Pattern *p) {
    int period = 0;
    if (p)
        for (int i = 0; i < p->len; ++i)
            period += p->runs[i];
    return period;
}

// Whether step `step` of a pattern with the given period is drawn.
inline bool patternOn(const Pattern *p, int period, std::int64_t step) {
    if (!p) return true;
    int at = int(step % period);
    for (int i = 0; i < p->len; ++i) {
        if (at < p->runs[i]) return i % 2 == 0;
        at -= p->runs[i];
    }
    return true;
}

// Pixels whose centres (x + 0.5) satisfy lo <= a * xc + b < hi, as a range
// [first, last] of integer x; empty when first > last.
struct Span {
    std::int64_t first, last;
};

inline Span solveSpan(double a, double b, double lo, double hi, double xmin, double xmax) {
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

// The same for lo <= a xc + b < hi taken as written whatever the sign of a:
// for a < 0 the bounds swap ends, and so does which of them is open.
inline Span solveHalfOpen(double a, double b, double lo, double hi, double xmin, double xmax) {
    if (a >= 0) return solveSpan(a, b, lo, hi, xmin, xmax);
    const double from = std::max(xmin, (hi - b) / a), to = std::min(xmax, (lo - b) / a);
    // Centres xc in (from, to].
    return {std::int64_t(std::floor(from - 0.5)) + 1, std::int64_t(std::floor(to - 0.5))};
}

// Horizontal span of an axis-aligned ellipse on the row with centre yc.
inline Span ellipseRow(double cx, double cy, double a, double b, double yc) {
    if (a <= 0 || b <= 0) return {1, 0};
    const double t = (yc - cy) / b;
    if (t * t >= 1) return {1, 0};
    const double hw = a * std::sqrt(1 - t * t);
    return {std::int64_t(std::ceil(cx - hw - 0.5)), std::int64_t(std::ceil(cx + hw - 0.5)) - 1};
}

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
        if (x0 > x1) return;
        std::uint32_t *p = bits + std::size_t(y) * std::size_t(stride);
        switch (mode) {
        case PenMode::Copy:
            std::fill(p + x0, p + x1 + 1, 0xFF000000u | rgb);
            break;
        case PenMode::Merge:
            for (std::int64_t x = x0; x <= x1; ++x)
                p[x] |= rgb;
            break;
        case PenMode::Xor:
            for (std::int64_t x = x0; x <= x1; ++x)
                p[x] ^= rgb;
            break;
        }
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
    // Sorts and drops repeats; contains() needs it.
    void finish() {
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    }
    void applyTo(Painter &p) {
        finish();
        for (std::int64_t k : keys)
            p.put(std::int32_t(k & 0xFFFFFFFF), k >> 32);
    }
    bool contains(std::int64_t x, std::int64_t y) const {
        return std::binary_search(keys.begin(), keys.end(), (y << 32) | (x & 0xFFFFFFFF));
    }
};

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

// A one-pixel segment in a dash pattern: the pattern runs on from `phase`,
// which is left where the segment ends so that joined segments continue it.
template <class F>
void patternedLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, int w, int h,
                   const Pattern *pat, std::int64_t &phase, F &&plot) {
    const int period = patternPeriod(pat);
    const std::int64_t from = phase;
    bresenham(x0, y0, x1, y1, w, h, [&](std::int64_t x, std::int64_t y, std::int64_t i) {
        if (patternOn(pat, period, from + i)) plot(x, y);
    });
    if (pat) phase = (from + std::max(std::abs(x1 - x0), std::abs(y1 - y0))) % period;
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
        // Along the segment: 0 <= (xc - cx) dx + yc dy < len^2, so the start
        // pixel is drawn and the end pixel left to the next segment, either way
        // (len² from the exact squares: sqrt² may round above the end).
        const Span along = solveHalfOpen(dx, yc * dy - cx * dx, 0, dx * dx + dy * dy, -1, w + 1);
        // Across: -half len <= -(xc - cx) dy + yc dx < half len.
        const Span across = solveSpan(-dy, yc * dx + cx * dy, -half * len, half * len, -1, w + 1);
        const std::int64_t first = std::max({along.first, across.first, std::int64_t(0)});
        const std::int64_t last = std::min({along.last, across.last, std::int64_t(w - 1)});
        for (std::int64_t x = first; x <= last; ++x)
            plot(x, y);
    }
}

// The rows of an ellipse in the box, clipped to the image: for each row y the
// outline's pixels [from, to] minus the inside [in.first, in.last]. Ring and
// inside are disjoint, so every pixel is reported once.
template <class F>
void ellipseRows(int x1, int y1, int x2, int y2, int penWidth, int w, int h, F &&row) {
    const double l = clampReal(std::min(x1, x2)), r = clampReal(std::max(x1, x2));
    const double t = clampReal(std::min(y1, y2)), b = clampReal(std::max(y1, y2));
    const double cx = (l + r) / 2, cy = (t + b) / 2, a = (r - l) / 2, bb = (b - t) / 2;
    // A wide pen's ring is penWidth thick, centred on the one-pixel outline.
    const double grow = (penWidth - 1) / 2.0, shrink = (penWidth + 1) / 2.0;
    const auto y0 = std::max<std::int64_t>(0, std::int64_t(std::floor(t - grow)));
    const auto y1e = std::min<std::int64_t>(h - 1, std::int64_t(std::ceil(b + grow)));
    for (std::int64_t y = y0; y <= y1e; ++y) {
        const double yc = y + 0.5;
        const Span outer = ellipseRow(cx, cy, a + grow, bb + grow, yc);
        Span in = ellipseRow(cx, cy, a - shrink, bb - shrink, yc);
        if (penWidth <= 1) {
            // One pixel: the boundary of the digital disc, found from the rows
            // around, so the outline is closed and never doubled.
            const Span up = ellipseRow(cx, cy, a, bb, yc - 1),
                       down = ellipseRow(cx, cy, a, bb, yc + 1);
            in = {std::max({outer.first + 1, up.first, down.first}),
                  std::min({outer.last - 1, up.last, down.last})};
        }
        const std::int64_t from = std::max<std::int64_t>(outer.first, 0);
        const std::int64_t to = std::min<std::int64_t>(outer.last, w - 1);
        if (from <= to) row(y, from, to, in);
    }
}

} // namespace canvas_detail
