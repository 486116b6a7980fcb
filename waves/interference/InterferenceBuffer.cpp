#include "waves/interference/InterferenceBuffer.h"

#include <atomic>
#include <sys/mman.h>
#include <utility>

namespace {
std::atomic<int> live{0};
}

MappedSamples::MappedSamples(MappedSamples &&other) noexcept
    : samples(std::exchange(other.samples, nullptr)), size(std::exchange(other.size, 0)) {}

MappedSamples &MappedSamples::operator=(MappedSamples &&other) noexcept {
    if (this != &other) {
        reset();
        samples = std::exchange(other.samples, nullptr);
        size = std::exchange(other.size, 0);
    }
    return *this;
}

MappedSamples MappedSamples::allocate(std::size_t bytes) {
    MappedSamples m;
    if (bytes == 0) return m;
    void *p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return m;
    m.samples = static_cast<float *>(p);
    m.size = bytes;
    ++live;
    return m;
}

void MappedSamples::reset() {
    if (!samples) return;
    munmap(samples, size);
    samples = nullptr;
    size = 0;
    --live;
}

int MappedSamples::liveCount() {
    return live.load();
}
