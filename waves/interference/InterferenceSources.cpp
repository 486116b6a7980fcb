#include "waves/interference/InterferenceSources.h"

#include <algorithm>

int SourceList::brightnessAt(int position) const {
    for (const InterferenceSource &s : list)
        if (s.position == position) return s.brightness;
    return 0;
}

void SourceList::add(int a, int b, int v) {
    if (a > b) std::swap(a, b);
    if (v <= 0) {
        remove(a, b);
        return;
    }
    std::vector<bool> present(static_cast<std::size_t>(static_cast<long long>(b) - a + 1));
    for (InterferenceSource &s : list)
        if (s.position >= a && s.position <= b) {
            s.brightness = v;
            present[static_cast<std::size_t>(static_cast<long long>(s.position) - a)] = true;
        }
    for (long long p = a; p <= b; ++p)
        if (!present[static_cast<std::size_t>(p - a)]) list.push_back({static_cast<int>(p), v});
}

void SourceList::remove(int a, int b) {
    if (a > b) std::swap(a, b);
    std::erase_if(list,
                  [&](const InterferenceSource &s) { return s.position >= a && s.position <= b; });
}

std::optional<int> movedPosition(const SourceList &list, int from, int step, int lo, int hi) {
    if (step == 0 || lo > hi) return std::nullopt;
    const long long dir = step > 0 ? 1 : -1;
    const auto isFree = [&](long long p) {
        return p != from && list.brightnessAt(static_cast<int>(p)) == 0;
    };
    const long long to = std::clamp<long long>(static_cast<long long>(from) + step, lo, hi);
    // Past the sources in the way; at the strip's end, the last free place before it.
    for (long long p = to; p >= lo && p <= hi; p += dir)
        if (isFree(p)) return static_cast<int>(p);
    for (long long p = to - dir; (p - from) * dir > 0; p -= dir)
        if (isFree(p)) return static_cast<int>(p);
    return std::nullopt;
}
