#pragma once
// What a long computation sees of whoever asked for it: a flag to poll for
// cancellation and a place to report progress. Only changes of the whole
// percentage are passed on, so a kernel may report as often as it likes and
// the caller still gets at most 101 reports.
#include <atomic>
#include <cstdint>
#include <functional>

class RunControl {
  public:
    RunControl() = default;
    explicit RunControl(std::function<void(int)> onPercent) : report(std::move(onPercent)) {}
    RunControl(const RunControl &) = delete;
    RunControl &operator=(const RunControl &) = delete;

    bool cancelled() const noexcept { return flag.load(std::memory_order_relaxed); }
    void cancel() noexcept { flag.store(true, std::memory_order_relaxed); }
    // For kernels that poll a plain flag.
    const std::atomic<bool> &cancelFlag() const noexcept { return flag; }

    // Progress as a percentage, 0..100 (clamped).
    void percent(int p) {
        p = p < 0 ? 0 : (p > 100 ? 100 : p);
        int before = last.load(std::memory_order_relaxed);
        while (p != before) {
            if (last.compare_exchange_weak(before, p, std::memory_order_relaxed)) {
                if (report) report(p);
                return;
            }
        }
    }
    // Progress as `done` units out of `total`.
    void progress(std::int64_t done, std::int64_t total) {
        if (total > 0) percent(static_cast<int>(static_cast<long double>(done) * 100 / total));
    }

  private:
    std::atomic<bool> flag{false};
    std::atomic<int> last{-1};
    std::function<void(int)> report;
};
