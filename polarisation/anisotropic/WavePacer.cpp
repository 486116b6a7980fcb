#include "polarisation/anisotropic/WavePacer.h"

#include <chrono>
#include <pthread.h>
#include <sched.h>

using Clock = std::chrono::steady_clock;

WavePacer::WavePacer(Request r) : request(std::move(r)) {}

WavePacer::~WavePacer() {
    stop();
}

void WavePacer::start() {
    if (worker.joinable()) return;
    {
        std::lock_guard lock(m);
        stopping = false;
    }
    worker = std::thread([this] { run(); });
#ifdef SCHED_IDLE
    sched_param param{};
    param.sched_priority = 0;
    // Best effort: the animation only uses time nobody else wants.
    pthread_setschedparam(worker.native_handle(), SCHED_IDLE, &param);
#endif
}

void WavePacer::stop() {
    {
        std::lock_guard lock(m);
        stopping = true;
    }
    cv.notify_all();
    if (worker.joinable()) worker.join();
}

void WavePacer::setVisible(bool on) {
    {
        std::lock_guard lock(m);
        visible = on;
    }
    cv.notify_all();
}

void WavePacer::setPaused(bool on) {
    {
        std::lock_guard lock(m);
        paused = on;
    }
    cv.notify_all();
}

void WavePacer::setPosition(int p) {
    position = p < 0 ? 0 : (p > 20 ? 20 : p);
}

void WavePacer::stepDone(std::uint64_t ticket) {
    {
        std::lock_guard lock(m);
        if (ticket > answered) answered = ticket;
    }
    cv.notify_all();
}

bool WavePacer::sleepFor(int ms) {
    std::unique_lock lock(m);
    cv.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopping; });
    return stopping;
}

void WavePacer::run() {
    for (;;) {
        if (!visible || paused) {
            std::unique_lock lock(m);
            cv.wait_for(lock, std::chrono::milliseconds(kHiddenSleepMs),
                        [this] { return stopping || (visible && !paused); });
            if (stopping) return;
            continue;
        }
        const Clock::time_point begin = Clock::now();
        const int p = position;
        if (p != 0) {
            const std::uint64_t ticket = sent + 1;
            sent = ticket;
            request(ticket);
            std::unique_lock lock(m);
            cv.wait(lock, [&] { return stopping || answered >= ticket; });
            if (stopping) return;
        }
        const auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin);
        const int rest = periodMs(p) - static_cast<int>(spent.count());
        if (sleepFor(rest > 0 ? rest : 0)) return;
    }
}
