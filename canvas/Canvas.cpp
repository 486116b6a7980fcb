#include "canvas/Canvas.h"
#include "canvas/CanvasRaster.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

using namespace canvas_detail;

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
    std::int64_t phase = patternPhase;
    patternedLine(clampCoord(from.x()), clampCoord(from.y()), clampCoord(to.x()),
                  clampCoord(to.y()), p.w, p.h, patternOf(penStyle_), phase,
                  [&](std::int64_t px, std::int64_t py) { p.put(px, py); });
    patternPhase = int(phase);
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
        if (penStyle_ != PenStyle::Clear && penMode_ != PenMode::Copy)
            outlinePixels(points, outline);
        Painter b(img, brushColor_, penMode_);
        fillPolygon(points, b, outline);
    }
    strokePath(points, true);
    pos = keep;
}

// The pixels the pen will draw for a closed outline, dash gaps excluded.
void Canvas::outlinePixels(const QVector<QPoint> &points, PixelSet &set) const {
    const int w = img.width(), h = img.height();
    const Pattern *pat = penWidth_ <= 1 ? patternOf(penStyle_) : nullptr;
    std::int64_t phase = 0;
    for (int i = 0; i < points.size(); ++i) {
        const QPoint a = points[i], b = points[(i + 1) % points.size()];
        const std::int64_t ax = clampCoord(a.x()), ay = clampCoord(a.y());
        const std::int64_t bx = clampCoord(b.x()), by = clampCoord(b.y());
        if (penWidth_ <= 1) {
            patternedLine(ax, ay, bx, by, w, h, pat, phase,
                          [&](std::int64_t x, std::int64_t y) { set.add(x, y); });
        } else {
            wideLine(double(ax), double(ay), double(bx), double(by), penWidth_, w, h,
                     [&](std::int64_t x, std::int64_t y) { set.add(x, y); });
        }
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

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (img.isNull()) return;
    const bool pen = penStyle_ != PenStyle::Clear, brush = brushStyle_ != BrushStyle::Clear;
    if (!pen && !brush) return;
    Painter p(img, penColor_, penMode_), fill(img, brushColor_, penMode_);
    // Without a pen the ring belongs to the fill.
    Painter &ringPainter = pen ? p : fill;
    ellipseRows(x1, y1, x2, y2, pen ? penWidth_ : 1, p.w, p.h,
                [&](std::int64_t y, std::int64_t from, std::int64_t to, Span in) {
                    if (in.first > in.last) {
                        ringPainter.span(y, from, to);
                        return;
                    }
                    ringPainter.span(y, from, std::min(to, in.first - 1));
                    ringPainter.span(y, std::max(from, in.last + 1), to);
                    if (brush) fill.span(y, std::max(from, in.first), std::min(to, in.last));
                });
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
    Painter p(img, penColor_, penMode_);
    auto put = [&](std::int64_t x, std::int64_t y) {
        double rel = angle(x + 0.5, y + 0.5) - start;
        if (rel < 0) rel += 2 * std::numbers::pi;
        if (rel <= sweep) p.put(x, y);
    };
    ellipseRows(x1, y1, x2, y2, penWidth_, p.w, p.h,
                [&](std::int64_t y, std::int64_t from, std::int64_t to, Span in) {
                    for (std::int64_t x = from; x <= to; ++x)
                        if (x < in.first || x > in.last) put(x, y);
                });
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
    // Stretched: only the part of the source inside its image is copied (so
    // the copy is never larger than the image), to the matching part of dest.
    if (!dst.intersects(img.rect())) return;
    const QRect inside = src.intersected(source.img.rect());
    if (inside.isEmpty()) return;
    const double sx = double(dst.width()) / src.width(), sy = double(dst.height()) / src.height();
    const QRectF target(dst.left() + (inside.left() - src.left()) * sx,
                        dst.top() + (inside.top() - src.top()) * sy, inside.width() * sx,
                        inside.height() * sy);
    const QImage part = source.img.copy(inside);
    QPainter painter(&img);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, part);
}
