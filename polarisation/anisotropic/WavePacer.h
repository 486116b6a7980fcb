#pragma once
// The pacing thread of the wave animation. It asks the UI thread for each
// step through a non-blocking request and waits for the answer; stop() wakes
// it from every wait, so the UI thread can always stop and join it, even
// while a request of the worker is still waiting in its queue.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

class WavePacer {
  public:
    // Posts a step request to the UI thread; it must not wait for the step.
    // The UI thread answers with stepDone(ticket) after running the step.
    using Request = std::function<void(std::uint64_t ticket)>;

    explicit WavePacer(Request request);
    ~WavePacer();
    WavePacer(const WavePacer &) = delete;
    WavePacer &operator=(const WavePacer &) = delete;

    // Starts the thread at idle priority.
    void start();
    // Stops and joins the thread; idempotent, never waits on the UI thread.
    void stop();
    bool running() const { return worker.joinable(); }

    // Mirrors of the window's state, written by the UI thread.
    void setVisible(bool on);
    // A paused pacer waits as a hidden one does; stop() still wakes it.
    void setPaused(bool on);
    bool isPaused() const { return paused; }
    void setPosition(int p);
    void stepDone(std::uint64_t ticket);

    // Time from the start of one step to the next: 2 x (20 - p) ms.
    static int periodMs(int position) { return 2 * (20 - position); }
    static constexpr int kHiddenSleepMs = 500;

    std::uint64_t requestsSent() const { return sent.load(); }

  private:
    void run();
    // Waits up to ms for the stop flag; true when stopping.
    bool sleepFor(int ms);

    Request request;
    std::mutex m;
    std::condition_variable cv;
    bool stopping = false;
    std::uint64_t answered = 0;
    std::atomic<std::uint64_t> sent{0};
    std::atomic<bool> visible{false};
    std::atomic<bool> paused{false};
    std::atomic<int> position{3};
    std::thread worker;
};
