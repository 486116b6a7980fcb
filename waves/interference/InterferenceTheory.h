#pragma once
// The textbook maxima on the screen: for two sources a distance d apart the
// path difference r1 - r2 = m lambda (exactly) and y = m lambda L / d (small
// angles); for N equal, equally spaced sources the principal maxima
// d sin(theta) = m lambda. Other arrangements have no such formula.
#include "waves/interference/InterferenceKernel.h"

#include <vector>

enum class InterferenceArrangement { NoSources, One, Two, EqualRow, Irregular };

struct InterferenceMaximum {
    int order = 0;
    double y = 0;              // on the screen, m (exact for two, L tan(theta) for a row)
    double smallAngle = 0;     // centre + m lambda L / d, m
    bool smallAngleOk = false; // the two differ by at most 1 %
};

struct InterferenceTheory {
    InterferenceArrangement arrangement = InterferenceArrangement::NoSources;
    int sources = 0;
    double spacing = 0;                      // d, m
    double centre = 0;                       // the sources' middle, m
    std::vector<InterferenceMaximum> maxima; // those within +-Ymax
    bool tooMany = false;                    // more orders on the screen than are marked
};

InterferenceTheory interferenceTheory(const InterferenceInputs &in);

// The graph column of a screen position y: the inverse of the graph's
// N(x) = (x - W/2) / scale * count / W + count / 2 + position.
double interferenceColumn(double y, double step, int count, int width, double scale, int position);
