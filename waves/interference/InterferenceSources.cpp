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
