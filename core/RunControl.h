#pragma once
// What a long computation sees of whoever asked for it: a flag to poll for
// cancellation and a place to report progress. Progress is passed on in
// whole steps of the run (100 unless asked otherwise: whole percent), and
// only when it changes, so a kernel may report as often as it likes and the
// caller still gets at most steps + 1 reports.
#include <atomic>
#include <cstdint>
#include <functional>

class RunControl {
  public:
    RunControl() = default;
    explicit RunControl(std::function<void(int)> onStep, int steps = 100)
        : report(std::move(onStep)), steps(steps < 1 ? 1 : steps) {}
    RunControl(const RunControl &) = delete;
    RunControl &operator=(const RunControl &) = delete;

    bool cancelled() const noexcept { return flag.load(std::memory_order_relaxed); }
    void cancel() noexcept { flag.store(true, std::memory_order_relaxed); }
    // For kernels that poll a plain flag.
    const std::atomic<bool> &cancelFlag() const noexcept { return flag; }

    // Progress as a percentage, 0..100 (clamped).
    void percent(int p) {
        p = p < 0 ? 0 : (p > 100 ? 100 : p);
        step(static_cast<int>(static_cast<std::int64_t>(p) * steps / 100));
    }
    // Progress as `done` units out of `total`.
    void progress(std::int64_t done, std::int64_t total) {
        if (total > 0) step(static_cast<int>(static_cast<long double>(done) * steps / total));
    }

  private:
    void step(int s) {
        s = s < 0 ? 0 : (s > steps ? steps : s);
        int before = last.load(std::memory_order_relaxed);
        while (s != before) {
            if (last.compare_exchange_weak(before, s, std::memory_order_relaxed)) {
                if (report) report(s);
                return;
            }
        }
    }

    std::atomic<bool> flag{false};
    std::atomic<int> last{-1};
    std::function<void(int)> report;
    int steps = 100;
};
