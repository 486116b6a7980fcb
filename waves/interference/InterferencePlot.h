#pragma once
// The pictures of the interference modelling page, apart from the widgets
// that show them: the source strip and the intensity graph, each drawn only
// inside the rectangle being repainted.
#include "waves/interference/InterferenceKernel.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

// The strip's picture inside the update rectangle.
void drawSourceStrip(QImage &image, const std::vector<InterferenceSource> &sources,
                     const QRect &update);

// What the graph shows; the painter and the status text work from this.
struct GraphView {
    const float *samples = nullptr;
    const SampleSummary *summary = nullptr; // block sums, for wide columns
    int count = 0;
    long double verticalScale = 0.01L;
    long double horizontalScale = 1.0L;
    int position = 0;  // scroll bar, in samples
    int width = 0;     // panel
    int height = 0;    // panel
    int barHeight = 0; // scroll bar
};

// Draws the columns of the update rectangle, blocks of samples averaged per column.
void drawInterferenceGraph(QImage &image, const GraphView &v, const QRect &update);
// The screen coordinate y of the sample under column x.
float graphCoordinateAt(const GraphView &v, int x, long double ymax);
// The intensity the graph draws at column x (its samples' mean); none
// where the column shows no sample.
std::optional<float> graphValueAt(const GraphView &v, int x);
// The screen coordinate y of sample k of `count`, the centre's being 0.
double graphSampleCoordinate(int count, long double ymax, long long k);
// Fixed-point with 15 decimals of the value rounded to 15 significant digits.
QString formatFixed15(long double v);
