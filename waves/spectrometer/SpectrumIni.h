#pragma once
// The spectra of the light sources, read from spectrum.ini: sections in
// square brackets, key=value lines. Whatever is missing reads as its
// default; lines that are neither are ignored. No Qt: the reader is fuzzed.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// An initialisation file held in memory. Section and key names compare
// without regard to ASCII case, and the first of two equal keys wins.
class IniFile {
  public:
    IniFile() = default;
    explicit IniFile(std::string_view text);
    // The file's text; a missing or unreadable file gives an empty one.
    static IniFile load(const std::string &path);

    bool hasSection(std::string_view section) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // The leading whole number of the value (blanks and sign allowed),
    // saturated to 32 bits; 0 when the value has none, the fallback when the
    // key is missing.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;

  private:
    struct NoCaseHash {
        std::size_t operator()(std::string_view s) const;
    };
    struct NoCaseEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    // Names and values are views into the text, which the file keeps on the
    // heap (shared by copies, so moving never moves it): a key costs one hash
    // map node, no string of its own, and reading stays linear in the length.
    using Entries = std::unordered_map<std::string_view, std::string_view, NoCaseHash, NoCaseEqual>;
    void parse();
    const std::string_view *find(std::string_view section, std::string_view key) const;
    std::shared_ptr<const std::string> text;
    std::unordered_map<std::string_view, Entries, NoCaseHash, NoCaseEqual> sections;
};

// One wavelength range of a source: nanometres, both ends included, with
// its brightness in percent in the first and second orders.
struct SpectrumRange {
    std::int32_t begin = 0;
    std::int32_t end = 0;
    std::int32_t firstOrder = 100;
    std::int32_t secondOrder = 100;
};

constexpr std::uint32_t kWhiteColourNumber = 0x00FFFFFF;

struct SpectrumSource {
    std::vector<SpectrumRange> ranges;
    // 0x00BBGGRR; white unless the section has ranges and a colour.
    std::uint32_t colour = kWhiteColourNumber;
};

// Counts and ranges beyond these are data errors; reading them all would
// only stall the window.
constexpr int kMaxSpectra = 1000;
constexpr int kMaxRanges = 10000;

// The titles of sections Spectrum_1 .. Spectrum_<Count>, "Unknown" where a
// title is missing.
std::vector<std::string> readSpectrumTitles(const IniFile &ini);
// The source of list item `index` (0 is white light: normally no section).
SpectrumSource readSpectrumSource(const IniFile &ini, int index);
// Eight hexadecimal digits of a 0x00BBGGRR number, decoded from the last
// pair to the first; pairs that are not hexadecimal stop the decoding and
// leave the rest white, any other length leaves white.
std::uint32_t decodeSourceColour(std::string_view text);
// The brightness of wavelength `lambda` in order `order` (1 or 2), percent:
// white light gives 100 and 70; otherwise the first range holding lambda.
int spectrumBrightness(const SpectrumSource &source, bool whiteLight, int lambda, int order);
