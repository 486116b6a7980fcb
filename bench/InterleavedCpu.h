#pragma once
// A one-thread speed-up on a shared machine: like interleavedRatio, but each
// side is timed by the CPU time of the calling thread (or, for kernels that
// share their work out to threads, of the whole process) as well as by the
// wall clock, so other processes' load shows in the wall figures only.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

inline double cpuMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
inline double threadCpuMs() {
    return cpuMs(CLOCK_THREAD_CPUTIME_ID);
}

template <class Reference, class Fast>
void interleavedCpuRatio(const char *name, Reference reference, Fast fast, int repeat,
                         int rounds = 9, bool wholeProcess = false) {
    using clock = std::chrono::steady_clock;
    struct Times {
        std::vector<double> wall, cpu;
    } r, f, q;
    const clockid_t cpu = wholeProcess ? CLOCK_PROCESS_CPUTIME_ID : CLOCK_THREAD_CPUTIME_ID;
    auto time = [repeat, cpu](auto &run, Times &into) {
        const auto w0 = clock::now();
        const double c0 = cpuMs(cpu);
        for (int i = 0; i < repeat; ++i)
            run();
        into.cpu.push_back((cpuMs(cpu) - c0) / repeat);
        into.wall.push_back(std::chrono::duration<double, std::milli>(clock::now() - w0).count() /
                            repeat);
    };
    for (int i = 0; i < rounds; ++i) {
        time(reference, r);
        time(fast, f);
        q.wall.push_back(r.wall.back() / f.wall.back());
        q.cpu.push_back(r.cpu.back() / f.cpu.back());
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("%-34s CPU: reference %8.3f ms  fast %7.3f ms  ratio %6.2fx | wall: %8.3f ms  "
                "%7.3f ms  %6.2fx (medians of %d)\n",
                name, median(r.cpu), median(f.cpu), median(q.cpu), median(r.wall), median(f.wall),
                median(q.wall), rounds);
}
