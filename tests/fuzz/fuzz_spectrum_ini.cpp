// libFuzzer target for the spectra file: any bytes must read without a
// crash or undefined behaviour, and what is read must keep its bounds.
#include "waves/spectrometer/SpectrumIni.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {
void check(bool ok) {
    if (!ok) __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const IniFile ini(text);
    const auto titles = readSpectrumTitles(ini);
    check(titles.size() <= static_cast<std::size_t>(kMaxSpectra));
    for (int index = 0; index <= static_cast<int>(titles.size()) && index < 4; ++index) {
        const SpectrumSource s = readSpectrumSource(ini, index);
        check(s.ranges.size() <= static_cast<std::size_t>(kMaxRanges));
        check(s.ranges.empty() ? s.colour == kWhiteColourNumber : true);
        for (int lambda : {393, 500, 770})
            for (int order : {1, 2})
                spectrumBrightness(s, index == 0, lambda, order);
    }
    // The colour decoder on the raw bytes as well.
    check((decodeSourceColour(text) >> 24) == 0 || size == 8);
    return 0;
}
