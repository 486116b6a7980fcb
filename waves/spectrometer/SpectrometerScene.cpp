#include "waves/spectrometer/SpectrometerScene.h"

#include "canvas/Canvas.h"
#include "canvas/Colours.h"
#include "canvas/Fonts.h"
#include "core/Pixels.h"
#include "core/WavelengthWalk.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The 17 ray offsets -40, -35, ..., 40 of the beam.
constexpr int kBeamFirst = -40, kBeamLast = 40, kBeamStep = 5;

template <class F> void forEachRay(F f) {
    for (int k = kBeamFirst; k <= kBeamLast; k += kBeamStep)
        f(k);
}

void line(Canvas &c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void pen(Canvas &c, const QColor &colour, int width, PenStyle style = PenStyle::Solid) {
    c.setPenColor(colour);
    c.setPenWidth(width);
    c.setPenStyle(style);
}

struct Geometry {
    int W, H, a, p;
};

// Steps 2 to 6: axis, slit and tube, incident light, first lens, grating.
void drawEntrance(Canvas &c, const Geometry &g, const QColor &source) {
    const int a = g.a;
    pen(c, source, 1, PenStyle::DashDot);
    line(c, 0, a, g.W - 1, a);
    pen(c, colours::clMaroon, 4);
    line(c, 100, 100, 100, a - 2);
    line(c, 100, a + 2, 100, g.H - 100);
    line(c, 100, a - 45, 370, a - 45);
    line(c, 100, a + 45, 370, a + 45);
    pen(c, source, 1);
    forEachRay([&](int k) {
        line(c, 0, a + k, 99, a + k);
        line(c, 99, a, 149, a + k);
    });
    pen(c, colours::clAqua, 2);
    line(c, 150, a - 45, 150, a + 45);
    c.LineTo(145, a + 40);
    line(c, 150, a + 45, 155, a + 40);
    line(c, 150, a - 45, 145, a - 40);
    line(c, 150, a - 45, 155, a - 40);
    forEachRay([&](int k) { line(c, 250, a + k, 250, a + k + 2); });
}

// Steps 7 to 9: the focal lengths with their dimension lines.
void drawDimensions(Canvas &c, const Geometry &g) {
    const int a = g.a, p = g.p;
    c.setFontColor(colours::clGreen);
    c.setBrushStyle(BrushStyle::Clear);
    c.TextOut(123, a + 158, QStringLiteral("F1"));
    c.TextOut((p + 334) / 2, a + 158, QStringLiteral("F2"));
    pen(c, colours::clGreen, 1);
    line(c, 100, a + 170, 150, a + 170);
    line(c, 150, a + 170, 145, a + 175);
    line(c, 150, a + 170, 145, a + 165);
    line(c, 100, a + 170, 105, a + 175);
    line(c, 100, a + 170, 105, a + 165);
    line(c, 350, a + 170, p, a + 170);
    line(c, p, a + 170, p - 5, a + 175);
    line(c, p, a + 170, p - 5, a + 165);
    line(c, 350, a + 170, 355, a + 175);
    line(c, 350, a + 170, 355, a + 165);
    pen(c, colours::clGreen, 1, PenStyle::Dot);
    line(c, 100, a + 170, 100, g.H - 100);
    line(c, 150, a + 170, 150, a + 45);
    line(c, 350, a + 170, 350, a + 45);
    line(c, p, a + 170, p, a);
}

// Steps 10 to 12: parallel beam, second lens, diffracted light before it.
void drawExit(Canvas &c, const Geometry &g, const QColor &source) {
    const int a = g.a;
    pen(c, source, 1);
    forEachRay([&](int k) { line(c, 150, a + k, 248, a + k); });
    pen(c, colours::clAqua, 2);
    line(c, 350, a + 45, 350, a - 45);
    c.LineTo(345, a - 40);
    line(c, 350, a - 45, 355, a - 40);
    line(c, 350, a + 45, 345, a + 40);
    line(c, 350, a + 45, 355, a + 40);
    pen(c, source, 1);
    forEachRay([&](int k) {
        line(c, 252, a + k, 350, a + k);
        line(c, 252, a + k, 350, k > 0 ? a + k + 1 : a + k - 1);
    });
}

// One run of wavelengths that land on the same screen rows. Merging is a
// bitwise OR, so lines with equal ends drawn in several colours leave the
// same pixels as one line in the OR of those colours: each run is drawn once.
struct LineRun {
    int up = 0, down = 0;
    QRgb colour = 0;
    bool open = false;
};

// A one-pixel line merged into the picture, the end pixel left out: the
// canvas's own stepping (minor offset of step i rounded as (2 i m + n) / 2n)
// kept incrementally, for lines that run rightwards, at most 45 degrees from
// the horizontal and wholly inside. Others go through the canvas.
void mergeLine(Canvas &c, int x0, int y0, int x1, int y1, QRgb rgb) {
    QImage &img = c.image();
    const int n = x1 - x0, dy = y1 - y0, m = std::abs(dy);
    const bool inside = x0 >= 0 && x1 <= img.width() && y0 >= 0 && y0 < img.height() && y1 >= 0 &&
                        y1 < img.height();
    if (n <= 0 || m > n || !inside) {
        line(c, x0, y0, x1, y1);
        return;
    }
    const int step = dy < 0 ? -1 : 1;
    const qsizetype stride = img.bytesPerLine() / 4;
    auto *bits = reinterpret_cast<std::uint32_t *>(img.bits());
    const std::int64_t twoN = 2 * std::int64_t(n), twoM = 2 * std::int64_t(m);
    std::int64_t rem = n; // (2 i m + n) mod 2n, with the quotient in y
    int y = y0;
    for (int x = x0; x < x1; ++x) {
        std::uint32_t &px = bits[y * stride + x];
        px = 0xFF000000u | ((px | rgb) & 0x00FFFFFFu);
        rem += twoM;
        if (rem >= twoN) {
            rem -= twoN;
            y += step;
        }
    }
}

void flush(Canvas &c, const Geometry &g, LineRun &run) {
    if (!run.open || (run.colour & 0xFFFFFFu) == 0) {
        run.open = false;
        return;
    }
    c.setPenColor(QColor::fromRgb(run.colour));
    const QRgb rgb = run.colour & 0xFFFFFFu;
    forEachRay([&](int k) {
        mergeLine(c, 350, g.a + k, g.p, run.down, rgb);
        mergeLine(c, 350, g.a + k, g.p, run.up, rgb);
    });
    // The same screen line for every ray: once is enough when merging.
    mergeLine(c, g.p + 10, run.down, g.p + 30, run.down, rgb);
    mergeLine(c, g.p + 10, run.up, g.p + 30, run.up, rgb);
    run.open = false;
}

void drawOrder(Canvas &c, const Geometry &g, const SpectrometerParams &p, int order,
               const SpectrometerProgress &progress, int &position) {
    ColourWalk walk;
    LineRun run;
    pen(c, Qt::black, 1);
    for (int lambda = kSpectrumFirstWavelength; !walk.finished(); --lambda) {
        const int b = spectrumBrightness(p.source, p.whiteLight, lambda, order);
        const Rgb rgb = walk.colour();
        const float K = spectralOffset(g.W, order, lambda);
        if (K >= 0 && b != 0) {
            const int down = toPixel(static_cast<float>(g.a) + K);
            const int up = toPixel(static_cast<float>(g.a) - K);
            if (run.open && (run.down != down || run.up != up)) flush(c, g, run);
            if (!run.open) run = {up, down, 0, true};
            run.colour |= spectralLineColour(b, rgb.red, rgb.green, rgb.blue).rgb();
        }
        walk.step();
        if (progress.advance) progress.advance(++position);
    }
    flush(c, g, run);
}

} // namespace

QColor spectralLineColour(int percent, int red, int green, int blue) {
    auto channel = [percent](int v) {
        return static_cast<int>(
            std::clamp<long long>(static_cast<long long>(percent) * v / 100, 0, 255));
    };
    return QColor(channel(red), channel(green), channel(blue));
}

float spectralOffset(int imageWidth, int order, int lambda) {
    const float s = static_cast<float>(order) * static_cast<float>(lambda) /
                    static_cast<float>(kGratingPeriodNm);
    if (!(s <= 1.0f)) return -1.0f;
    const float t = s / std::sqrt(1.0f - s * s);
    return static_cast<float>(imageWidth - 350) * t * 0.4f;
}

void drawSpectrometerScene(Canvas &c, const SpectrometerParams &p,
                           const SpectrometerProgress &progress) {
    const Geometry g{p.imageWidth, p.imageHeight, p.imageHeight / 2, p.imageWidth - 75};
    c.setFont(pixelFont(8));
    c.setBrushColor(p.background);
    c.setBrushStyle(BrushStyle::Solid);
    c.FillRect(0, 0, p.panelWidth, p.panelHeight);
    c.setPenMode(p.firstDrawing ? PenMode::Copy : PenMode::Merge);
    drawEntrance(c, g, p.sourceColour);
    drawDimensions(c, g);
    drawExit(c, g, p.sourceColour);
    c.setPenMode(PenMode::Merge);

    const int maximum = (p.zerothOrder ? 17 : 0) + (p.firstOrder ? kSpectrumPasses : 0) +
                        (p.secondOrder ? kSpectrumPasses : 0);
    if (progress.start) progress.start(maximum);
    int position = 0;
    if (p.zerothOrder) {
        pen(c, p.sourceColour, 1);
        forEachRay([&](int k) {
            line(c, 350, g.a + k, g.p, g.a);
            if (progress.advance) progress.advance(++position);
        });
        line(c, g.p + 10, g.a, g.p + 30, g.a);
    }
    if (p.firstOrder) drawOrder(c, g, p, 1, progress, position);
    if (p.secondOrder) drawOrder(c, g, p, 2, progress, position);
    pen(c, colours::clMaroon, 1);
    line(c, g.p + 10, 0, g.p + 10, g.H - 1);
    line(c, g.p + 30, 0, g.p + 30, g.H - 1);
}
