#pragma once
// Rows of a long computation shared out in chunks to the calling thread and
// a few helper threads. Each thread takes the next chunk from one counter,
// so a slow core never holds up the rest; the calling thread reports after
// each chunk it finishes, so progress needs no locking on the caller's side.
// Cancellation is polled between chunks: a chunk's work bounds the delay.
#include <atomic>
#include <cstdint>
#include <functional>

struct ParallelRows {
    std::int64_t first = 0; // rows first..last, both included
    std::int64_t last = -1;
    std::int64_t chunk = 1; // rows per chunk, at least 1
    int helpers = 0;        // threads besides the calling one
};

// Calls work(start, end) for consecutive chunks [start, end] covering the
// rows, on the calling thread and the helpers, until all are done or cancel
// is set. afterChunk(done) runs on the calling thread after each of its own
// chunks, with the number of rows finished by all threads so far. When no
// helper thread can be started the calling thread does everything.
// Returns the number of rows finished.
std::int64_t runParallelRows(const ParallelRows &rows,
                             const std::function<void(std::int64_t, std::int64_t)> &work,
                             const std::atomic<bool> &cancel,
                             const std::function<void(std::int64_t)> &afterChunk = {});

// Helper threads worth starting for about `work` elementary steps: none
// below a millisecond or so, else one less than the cores (at most 8).
int helperThreadsFor(double work);
