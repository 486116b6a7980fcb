#pragma once
// What the pointer reads on the two Fresnel pictures: entry k of the profile
// lies k R / 200 from the centre, drawn as the ring of radius k pixels and
// as the graph's points 200 +- k.
#include "waves/fresnel/Fresnel.h"

#include <optional>
#include <vector>

struct FresnelReading {
    int entry = 0;
    double radiusMm = 0;
    double intensity = 0; // share of the brightest entry, 0..1
};

// The profile's entry under pixel (x, y) of the rings or of the graph.
std::optional<int> fresnelRingEntry(int x, int y);
std::optional<int> fresnelGraphEntry(int x);

FresnelReading fresnelReading(const FresnelProfile &profile, double screenRadius, int entry);
// Every entry, from the centre out.
std::vector<FresnelReading> fresnelRows(const FresnelProfile &profile, double screenRadius);
