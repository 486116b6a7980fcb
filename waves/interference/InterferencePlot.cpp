#include "waves/interference/InterferencePlot.h"

#include "canvas/Canvas.h"
#include "canvas/NumberText.h"
#include "core/Pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void drawSourceStrip(QImage &image, const std::vector<InterferenceSource> &sources,
                     const QRect &update) {
    Canvas c(image);
    const int w = c.width(), h = c.height(), w2 = w / 2;
    c.setBrushColor(Qt::black);
    // Canvas rectangles leave out the right and bottom edges.
    c.FillRect(update.left(), update.top(), update.right() + 1, update.bottom() + 1);
    const int left = update.left(), right = update.right();
    for (const InterferenceSource &s : sources) {
        const long long x = static_cast<long long>(s.position) + w2;
        if (x < left || x > right) continue;
        const int g = std::clamp(s.brightness, 0, 255);
        c.setPenColor(QColor(g, g, g));
        c.MoveTo(int(x), update.top());
        c.LineTo(int(x), update.bottom() + 1);
    }
    if (update.bottom() + 1 > h - 2) {
        c.setPenColor(QColor(0, 255, 0));
        c.MoveTo(left, h - 1);
        c.LineTo(right + 1, h - 1);
    }
    if (update.top() < 5) {
        for (int x = left; x <= right; ++x) {
            if ((x - w2) % 10 != 0) continue;
            const bool centre = x == w2;
            c.setPenColor(centre ? QColor(0, 255, 255) : QColor(0, 255, 0));
            c.MoveTo(x, 0);
            c.LineTo(x, centre ? 5 : 3);
        }
    }
}

namespace {

// First sample of column x, or -1 when there is none.
long long sampleAt(const GraphView &v, float spp, int x) {
    const int w2 = v.width / 2;
    const float f = static_cast<float>((x - w2) / v.horizontalScale);
    const double n = std::trunc(double(f) * double(spp) + v.count * 0.5 + v.position);
    if (!(n >= 0 && n < v.count)) return -1;
    return static_cast<long long>(n);
}

// Columns of up to this many samples are summed sample by sample; wider ones
// from the block sums, so that a repaint costs about the same at any zoom.
constexpr long long kDirectBlock = 4096;

float columnMean(const GraphView &v, long long n, long long block) {
    if (block > kDirectBlock && v.summary && !v.summary->empty())
        return static_cast<float>(v.summary->sum(v.samples, n, block) / double(block));
    float sum = 0;
    for (long long k = n; k < n + block; ++k)
        sum += v.samples[k];
    return sum / static_cast<float>(block);
}

// The mean of the samples a column from sample n shows.
float columnValue(const GraphView &v, float spp, long long n) {
    const double blockReal = std::trunc(double(spp) / double(v.horizontalScale));
    long long block = blockReal >= 1 && blockReal < v.count ? (long long)blockReal : 1;
    if (n + block - 1 >= v.count) block = 1;
    return columnMean(v, n, block);
}

int pixelOf(const GraphView &v, float value) {
    const int base = v.height - v.barHeight - 3;
    return base - toPixel(static_cast<double>(v.verticalScale * value));
}

} // namespace

void drawInterferenceGraph(QImage &image, const GraphView &v, const QRect &update) {
    Canvas c(image);
    c.setBrushColor(Qt::black);
    // Canvas rectangles leave out the right and bottom edges.
    c.FillRect(update.left(), update.top(), update.right() + 1, update.bottom() + 1);
    if (!v.samples || v.count <= 0 || v.width <= 0) return;
    c.setPenColor(Qt::white);
    const float spp = static_cast<float>(v.count) / static_cast<float>(v.width);
    const int left = update.left(), right = update.right();
    const int from = left == 0 ? 0 : left - 1;
    const int to = right < v.width - 1 ? right + 1 : right;
    bool started = false;
    const long long first = sampleAt(v, spp, from);
    if (first >= 0) {
        c.MoveTo(left - 1, pixelOf(v, v.samples[first]));
        started = true;
    }
    for (int x = from; x <= to; ++x) {
        const long long n = sampleAt(v, spp, x);
        if (n < 0) continue;
        const int y = pixelOf(v, columnValue(v, spp, n));
        // With no valid column left of the region the curve starts here.
        if (!started) c.MoveTo(x, y);
        started = true;
        c.LineTo(x, y);
        if (y < 0) c.setPixel(x, 0, QColor(255, 0, 0));
    }
}

float graphCoordinateAt(const GraphView &v, int x, long double ymax) {
    if (v.count <= 0 || v.width <= 0) return 0;
    const float spp = static_cast<float>(v.count) / static_cast<float>(v.width);
    const long double c = std::trunc((x - v.width * 0.5L) * spp / v.horizontalScale + v.position);
    return static_cast<float>(2 * c * ymax / v.count);
}

std::optional<float> graphValueAt(const GraphView &v, int x) {
    if (!v.samples || v.count <= 0 || v.width <= 0) return std::nullopt;
    const float spp = static_cast<float>(v.count) / static_cast<float>(v.width);
    const long long n = sampleAt(v, spp, x);
    if (n < 0) return std::nullopt;
    return columnValue(v, spp, n);
}

double graphSampleCoordinate(int count, long double ymax, long long k) {
    return static_cast<double>(2 * (k - count / 2) * ymax / count);
}

QString formatFixed15(long double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", v);
    return qFormatFixed(std::strtod(buf, nullptr), 15);
}
