#pragma once
// What the Malus picture reads: the polarisers' angles and the share of the
// light between them that the second one passes, cos² theta; and the curve
// of it over a turn.
#include "polarisation/malus/MalusModel.h"

#include <vector>

namespace malus {

double transmittedShare(double thetaDegrees);

struct CurveRow {
    int thetaDegrees = 0;
    double share = 0;     // of the light between the polarisers
    double intensity = 0; // behind, of the light before the first
};
// Every whole degree from 0 to 360.
std::vector<CurveRow> malusCurve();

} // namespace malus
