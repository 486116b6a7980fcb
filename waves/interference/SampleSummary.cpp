#include "waves/interference/SampleSummary.h"

SampleSummary SampleSummary::build(const float *samples, std::int64_t count,
                                   const std::atomic<bool> &cancel) {
    SampleSummary s;
    constexpr std::int64_t base = std::int64_t(1) << kBaseShift;
    if (!samples || count < 2 * base) return s;
    std::vector<double> level(static_cast<std::size_t>(count / base));
    for (std::size_t i = 0; i < level.size(); ++i) {
        if (i % 4096 == 0 && cancel.load(std::memory_order_relaxed)) return {};
        const float *block = samples + static_cast<std::int64_t>(i) * base;
        double total = 0;
        for (std::int64_t k = 0; k < base; ++k)
            total += block[k];
        level[i] = total;
    }
    s.levels.push_back(std::move(level));
    while (s.levels.back().size() >= 2) {
        const std::vector<double> &finer = s.levels.back();
        std::vector<double> coarser(finer.size() / 2);
        for (std::size_t i = 0; i < coarser.size(); ++i)
            coarser[i] = finer[2 * i] + finer[2 * i + 1];
        s.levels.push_back(std::move(coarser));
    }
    return s;
}

double SampleSummary::sum(const float *samples, std::int64_t first, std::int64_t length) const {
    const std::int64_t end = first + length;
    double total = 0;
    std::int64_t i = first;
    while (i < end) {
        // The coarsest block that starts here and ends within the run.
        int level = -1;
        for (int k = 0; k < int(levels.size()); ++k) {
            const std::int64_t size = std::int64_t(1) << (kBaseShift + k);
            const std::int64_t index = i >> (kBaseShift + k);
            if (i % size != 0 || i + size > end || index >= std::int64_t(levels[k].size())) break;
            level = k;
        }
        if (level < 0) {
            total += samples[i++];
        } else {
            total += levels[level][static_cast<std::size_t>(i >> (kBaseShift + level))];
            i += std::int64_t(1) << (kBaseShift + level);
        }
    }
    return total;
}
