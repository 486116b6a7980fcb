#include "atomic/microparticles/ElectronEmission.h"

#include <algorithm>

namespace electrons {

int takeTick(EmissionState &s, int rate) {
    rate = std::clamp(rate, 0, kMaxRate);
    if (s.tickCounter % 10 == 0) s.rateCarry = rate;
    int n = rate / 10;
    s.rateCarry -= n;
    if (s.tickCounter % 10 == 9 && s.rateCarry != 0) {
        n += s.rateCarry;
        s.rateCarry = 0;
        s.tickCounter = 0;
    } else {
        ++s.tickCounter;
    }
    // A rate raised within a group leaves the carry negative; the group
    // then ends with nothing rather than with electrons taken back.
    n = std::clamp(n, 0, std::max(s.remaining, 0));
    s.remaining -= n;
    s.total = s.total > INT_MAX - n ? INT_MAX : s.total + n;
    return n;
}

void addElectrons(EmissionState &s, int batch) {
    if (batch <= 0) return;
    s.remaining = s.remaining > INT_MAX - batch ? INT_MAX : s.remaining + batch;
}

} // namespace electrons
