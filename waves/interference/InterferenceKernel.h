#pragma once
// Intensity along a screen lit by coherent point sources on a line parallel
// to it. Each source contributes amplitude brightness / r with the phase of
// its path length r modulo the wavelength; a sample holds half the squared
// modulus of the sum, as a 32-bit float.
#include "waves/interference/InterferenceBuffer.h"
#include "waves/interference/SampleSummary.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct InterferenceSource {
    std::int32_t position = 0;   // strip pixels from the centre column
    std::int32_t brightness = 0; // 1..255
};

// The texts and the source list as the window holds them when "Расчет" is
// pressed; copied on the UI thread so the worker touches no widget.
struct InterferenceRequest {
    std::string wavelength = "5000"; // nm
    std::string distance = "1";      // m
    std::string ymax = "0.5";        // m
    std::string step = "0.0001";     // m
    double divisor = 1e6;            // source position units per metre
    std::vector<InterferenceSource> sources;
};

// The numbers of a request.
struct InterferenceInputs {
    double wavelengthNm = 5000;
    double distance = 1;
    double ymax = 0.5;
    double step = 1e-4;
    double divisor = 1e6;
    std::vector<InterferenceSource> sources;
};

// Nothing when a text is no number, or the wavelength or the step is not
// positive, or Ymax is negative.
std::optional<InterferenceInputs> readInterferenceInputs(const InterferenceRequest &request);

// The unit divisors of the "НМ", "МКМ", "ММ", "М" items; 1e6 for any other index.
double interferenceUnitDivisor(int item);

// n = Ymax / step truncated; the buffer holds (n + 10) x 8 bytes and the
// result 2n samples. Sample k is the intensity at y = (k - n) x step.
struct InterferenceLayout {
    long double n = 0;
    long double bytes = 80;
    bool allocatable = false; // n fits the graph and bytes the memory we allow
    std::int64_t samples() const { return static_cast<std::int64_t>(n); }
    int count() const { return static_cast<int>(2 * n); }
};
InterferenceLayout interferenceLayout(double ymax, double step);
// The byte count for the message: a decimal integer, or for sizes of a
// thousand terabytes and more the number in powers of ten ("8.000e+617").
std::string byteCountText(long double bytes);

// Fills out[n + i] for firstI <= i <= lastI (within 1 - n .. n - 1).
void computeInterferenceRows(const InterferenceInputs &in, std::int64_t n, float *out,
                             std::int64_t firstI, std::int64_t lastI);

enum class InterferenceOutcome { Result, InvalidNumber, NoMemory, Cancelled };

struct InterferenceRun {
    InterferenceOutcome outcome = InterferenceOutcome::Cancelled;
    MappedSamples buffer;
    SampleSummary summary; // block sums for the graph's large zooms
    int count = 0;
    double ymax = 0;
    std::string requestedBytes; // for NoMemory
};

// The whole computation: allocation, rows on up to all cores.
// progress(p) runs on the calling thread only, each time p (0..100) changes;
// cancel is polled between blocks of rows.
InterferenceRun runInterference(const InterferenceInputs &inputs,
                                const std::function<void(int)> &progress,
                                const std::atomic<bool> &cancel);
// The same from the texts, read first (InvalidNumber when they are no numbers).
InterferenceRun runInterference(const InterferenceRequest &request,
                                const std::function<void(int)> &progress,
                                const std::atomic<bool> &cancel);
