#pragma once
// The interference result lives in memory taken straight from the operating
// system (zero-filled pages), not from the heap, so a large result can be
// given back at once. Exactly one owner at a time; the owner unmaps it.
#include <cstddef>

class MappedSamples {
  public:
    MappedSamples() = default;
    ~MappedSamples() { reset(); }
    MappedSamples(MappedSamples &&other) noexcept;
    MappedSamples &operator=(MappedSamples &&other) noexcept;
    MappedSamples(const MappedSamples &) = delete;
    MappedSamples &operator=(const MappedSamples &) = delete;

    // Zero-filled, read-write; empty when the system refuses.
    static MappedSamples allocate(std::size_t bytes);

    float *data() const { return samples; }
    std::size_t bytes() const { return size; }
    explicit operator bool() const { return samples != nullptr; }
    // Gives the memory back to the system.
    void reset();

    // Mappings alive in the process (for leak checks).
    static int liveCount();

  private:
    float *samples = nullptr;
    std::size_t size = 0;
};
