#include "waves/fresnel/FresnelTheory.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double fresnelZones(double r, const FresnelInputs &in) {
    const double z1 = double(in.z1), z2 = double(in.z2);
    return r * r * (1 / z1 + 1 / z2) / (in.wavelengthNm * 1e-9);
}

FresnelTheory fresnelTheory(const FresnelInputs &in) {
    FresnelTheory t;
    const double rIn = double(in.innerRadius), rOut = double(in.outerRadius);
    if (checkFresnel(in) != FresnelProblem::None || !(rIn >= 0) || !(rIn < rOut)) return t;
    t.valid = true;
    t.openZones = fresnelZones(rOut, in) - fresnelZones(rIn, in);
    const double s = std::sin(std::numbers::pi * t.openZones / 2);
    t.centre = s * s;
    t.paraxialFails = rOut > 0.1 * double(std::min(in.z1, in.z2));
    const double first = std::floor(fresnelZones(rIn, in)) + 1;
    const double unit = std::sqrt(1 / fresnelZones(1, in)); // r_1 for one zone
    for (double k = first; k * unit * unit <= rOut * rOut; ++k) {
        if (int(t.edges.size()) >= kMaxFresnelEdges) break;
        t.edges.push_back(unit * std::sqrt(k));
    }
    return t;
}

double fresnelPixel(double r, const FresnelInputs &in) {
    return 200 + r / (double(in.screenRadius) * 0.005);
}
