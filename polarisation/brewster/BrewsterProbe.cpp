#include "polarisation/brewster/BrewsterProbe.h"

namespace brewster {

LightShares lightShares(const Frame &f) {
    LightShares s;
    for (std::size_t i = 1; i < f.rays.size(); ++i)
        (i == 1 ? s.reflected : s.transmitted) += f.rays[i].brightness;
    return s;
}

} // namespace brewster
