#pragma once
// What the reflection picture reads: the shares of the incident light that
// the frame's rays carry back and into the body.
#include "polarisation/brewster/Fresnel.h"

namespace brewster {

struct LightShares {
    double reflected = 0;
    double transmitted = 0; // both refracted rays together
};
// From the rays of a frame: the incident one, the reflected one, then the refracted ones.
LightShares lightShares(const Frame &f);

} // namespace brewster
