#pragma once
// How many electrons leave the gun on each 100 ms tick: rate div 10 per
// tick and the rest of the per-second rate with every tenth tick, never more
// than remain to be emitted.
#include <climits>

namespace electrons {

// The fastest rate offered (per second). Typed rates above it are held
// here, so that one tick's work stays bounded.
constexpr int kMaxRate = 1'000'000;

struct EmissionState {
    int remaining = 0; // still to be emitted
    int total = 0;     // emitted since the last clearing
    int rateCarry = 0; // part of this group's rate not yet emitted
    bool paused = false;
    int tickCounter = 0; // position within a group of ten ticks
};

// Whether a tick emits at all: running, with electrons left.
inline bool emitting(const EmissionState &s) {
    return !s.paused && s.remaining != 0;
}

// One tick at `rate` electrons per second: advances the group of ten ticks,
// takes the electrons from `remaining`, adds them to `total` and returns
// their number. Call only while emitting(). A negative rate counts as 0.
int takeTick(EmissionState &s, int rate);

// A batch added by the user; a negative one adds nothing, and the count
// stays within 32 bits.
void addElectrons(EmissionState &s, int batch);

// Clearing the screen drops what remains.
inline void clearEmission(EmissionState &s) {
    s.remaining = 0;
    s.total = 0;
}

} // namespace electrons
