#pragma once
// A speed-up measured as a ratio in one process: reference and fast
// alternate round by round, so both see the same machine load; the median
// of the rounds is reported.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

template <class Reference, class Fast>
void interleavedRatio(const char *name, Reference reference, Fast fast, int repeat,
                      int rounds = 9) {
    using clock = std::chrono::steady_clock;
    auto time = [repeat](auto &f) {
        const auto t0 = clock::now();
        for (int i = 0; i < repeat; ++i)
            f();
        return std::chrono::duration<double, std::milli>(clock::now() - t0).count() / repeat;
    };
    std::vector<double> r, f, q;
    for (int i = 0; i < rounds; ++i) {
        const double tr = time(reference), tf = time(fast);
        r.push_back(tr);
        f.push_back(tf);
        q.push_back(tr / tf);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("%-40s reference %9.3f ms  fast %9.3f ms  ratio %5.2fx (median of %d)\n", name,
                median(r), median(f), median(q), rounds);
}
