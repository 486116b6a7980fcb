#pragma once
// The sources on the strip: at most one per position, in insertion order.
#include "waves/interference/InterferenceKernel.h"

#include <optional>
#include <vector>

class SourceList {
  public:
    const std::vector<InterferenceSource> &items() const { return list; }
    // Brightness at a position, 0 where there is no source.
    int brightnessAt(int position) const;
    // Every position in [a, b] gets brightness v (new sources appended);
    // v of 0 or less removes them instead.
    void add(int a, int b, int v);
    void remove(int a, int b);

  private:
    std::vector<InterferenceSource> list;
};

// Where the keyboard moves a source at `from` by `step` positions on a
// strip of positions lo..hi: clamped to the strip and past the sources in
// the way; none when it cannot move.
std::optional<int> movedPosition(const SourceList &list, int from, int step, int lo, int hi);
