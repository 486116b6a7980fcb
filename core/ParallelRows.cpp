#include "core/ParallelRows.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace {

struct Queue {
    const ParallelRows &rows;
    const std::function<void(std::int64_t, std::int64_t)> &work;
    const std::atomic<bool> &cancel;
    std::atomic<std::int64_t> next{0};
    std::atomic<std::int64_t> done{0};

    // Chunks until none is left or the run is cancelled; true when this
    // thread finished a chunk.
    bool one() {
        if (cancel.load(std::memory_order_relaxed)) return false;
        const std::int64_t start = rows.first + next.fetch_add(rows.chunk);
        if (start > rows.last || start < rows.first) return false;
        const std::int64_t end =
            rows.last - start < rows.chunk ? rows.last : start + rows.chunk - 1;
        work(start, end);
        done.fetch_add(end - start + 1);
        return true;
    }
};

} // namespace

std::int64_t runParallelRows(const ParallelRows &rows,
                             const std::function<void(std::int64_t, std::int64_t)> &work,
                             const std::atomic<bool> &cancel,
                             const std::function<void(std::int64_t)> &afterChunk) {
    if (rows.last < rows.first || rows.chunk < 1) return 0;
    Queue q{rows, work, cancel};
    std::vector<std::thread> helpers;
    for (int h = rows.helpers; h > 0; --h) {
        try {
            helpers.emplace_back([&q] {
                while (q.one()) {
                }
            });
        } catch (const std::system_error &) {
            break; // no thread to be had: the calling thread does it all
        }
    }
    while (q.one())
        if (afterChunk) afterChunk(q.done.load());
    for (std::thread &t : helpers)
        t.join();
    return q.done.load();
}

int helperThreadsFor(double work) {
    // Below about a millisecond of work a second thread costs more than it gives.
    if (!(work >= 2e5)) return 0;
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 8u)) - 1;
}
