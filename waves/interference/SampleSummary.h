#pragma once
// Sums of the interference samples over aligned blocks of 256, 512, 1024, ...
// samples, built once with the result, so that the graph can average any
// run of samples by reading a few hundred values instead of all of them.
#include <atomic>
#include <cstdint>
#include <vector>

class SampleSummary {
  public:
    static constexpr int kBaseShift = 8; // the finest blocks hold 256 samples

    // Builds the levels over count samples; empty if cancelled.
    static SampleSummary build(const float *samples, std::int64_t count,
                               const std::atomic<bool> &cancel);

    bool empty() const { return levels.empty(); }
    // The sum of samples [first, first + length), within the summarised count.
    double sum(const float *samples, std::int64_t first, std::int64_t length) const;

  private:
    // levels[k][i]: the sum of the block i of 256 << k samples.
    std::vector<std::vector<double>> levels;
};
