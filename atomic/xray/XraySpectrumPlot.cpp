#include "atomic/xray/XraySpectrumPlot.h"

#include "canvas/Canvas.h"
#include "canvas/Colours.h"
#include "canvas/Fonts.h"

namespace Break_x {

namespace {

constexpr int kOrigin = kAxisLeft; // and 11 px from the bottom

void drawAxes(Canvas &c, int W, int H) {
    c.Polyline({QPoint(kOrigin, kOrigin), QPoint(kOrigin, H - 11), QPoint(W - 11, H - 11)});
    c.Polyline({QPoint(7, 13), QPoint(10, 10), QPoint(14, 14)});
    c.Polyline({QPoint(W - 14, H - 14), QPoint(W - 11, H - 11), QPoint(W - 15, H - 7)});
}

void drawIntensityTicks(const XrayState &state, Canvas &c, int H) {
    // Added up in extended precision, the loop stops after 0.7.
    for (long double t = 0.1L; t <= 0.8L; t += 0.1L) {
        const int y = CurveY(state, t, H);
        c.MoveTo(8, y);
        c.LineTo(13, y);
    }
}

void drawCurve(XrayState &state, Canvas &c, const TElements &element, int H) {
    const XraySpectrum spectrum(element, state.V);
    c.setPenColor(GraphQColor(state.CurColor));
    bool started = false;
    spectrum.forEachSample([&](long double lam, long double intensity) {
        state.lambda = lam;
        if (intensity < 0) return;
        const int x = CurveX(state, lam);
        const int y = CurveY(state, intensity, H);
        if (started) {
            c.LineTo(x, y);
        } else {
            c.MoveTo(x, y);
            started = true;
        }
    });
}

void drawWavelengthTicks(XrayState &state, Canvas &c, int H) {
    c.setPenColor(colours::clBlue);
    for (state.lambda = 1; state.lambda < kMaxLambda; state.lambda += 1) {
        const int x = CurveX(state, state.lambda);
        c.MoveTo(x, H - 13);
        c.LineTo(x, H - 8);
        c.TextOut(x, H - 30, QString::number(static_cast<int>(state.lambda)));
    }
}

} // namespace

QColor GraphQColor(int i) {
    return QColor::fromRgb(GraphColor(i));
}

int CurveX(const XrayState &state, long double lam) {
    return RoundHalfEven(lam * state.kx) + kOrigin;
}

int CurveY(const XrayState &state, long double intensity, int Height) {
    return (Height - 11) - RoundHalfEven(intensity * state.ky);
}

void ResetGraphics(XrayState &state, Canvas &canvas, int Width, int Height) {
    state.CurColor = 1;
    canvas.setBrushColor(colours::clWhite);
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.FillRect(0, 0, Width - 1, Height - 1);
}

bool DrawRadiationGraphic(XrayState &state, std::uint8_t Index, Canvas &canvas, int Width,
                          int Height) {
    const TElements *element = ElementAt(Index);
    canvas.setBrushColor(colours::clWhite);
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setPenColor(colours::clBlue);
    canvas.setPenWidth(1);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenMode(PenMode::Copy);
    canvas.setFont(pixelFont(11));
    canvas.setFontColor(colours::clBlack);

    drawAxes(canvas, Width, Height);
    state.kx = static_cast<long double>(Width - 25) / 7;
    state.ky = Height / 0.7L;
    drawIntensityTicks(state, canvas, Height);
    if (element) drawCurve(state, canvas, *element, Height);
    drawWavelengthTicks(state, canvas, Height);
    // The colour advances with the list row, drawn or not.
    const int c = state.CurColor;
    state.CurColor = c >= kColourCount || c < 1 ? 1 : c + 1;
    return element != nullptr;
}

int MarkerX(int oldValue) {
    return oldValue + kOrigin;
}

void DrawMarker(Canvas &canvas, int oldValue, int Height) {
    const int x = MarkerX(oldValue);
    canvas.setPenColor(colours::clGreen);
    canvas.setPenWidth(1);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenMode(PenMode::Xor);
    canvas.MoveTo(x, Height - 10);
    canvas.LineTo(x, 10);
    canvas.setPenMode(PenMode::Copy);
}

} // namespace Break_x
