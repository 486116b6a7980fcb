#include "waves/spectrometer/SpectrumIni.h"

#include <algorithm>
#include <climits>
#include <fstream>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string rangeKey(const char *stem, int k, const char *suffix = "") {
    return stem + std::to_string(k) + suffix;
}

} // namespace

std::size_t IniFile::NoCaseHash::operator()(std::string_view s) const {
    std::size_t h = 14695981039346656037ull; // FNV-1a
    for (char c : s)
        h = (h ^ static_cast<unsigned char>(lower(c))) * 1099511628211ull;
    return h;
}

bool IniFile::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

IniFile::IniFile(std::string_view source) : text(std::make_shared<const std::string>(source)) {
    parse();
}

void IniFile::parse() {
    std::string_view rest = *text;
    // A file saved by an editor that marks UTF-8 starts with the byte-order mark.
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
    Entries *current = nullptr;
    while (!rest.empty()) {
        const std::size_t eol = rest.find('\n');
        const std::string_view line = trim(rest.substr(0, eol));
        rest = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos) continue; // malformed header
            current = &sections[trim(line.substr(1, close - 1))];
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue; // not key=value
        const std::string_view key = trim(line.substr(0, eq));
        if (key.empty()) continue;
        // The first of two equal keys wins: emplace keeps it.
        current->emplace(key, trim(line.substr(eq + 1)));
    }
}

IniFile IniFile::load(const std::string &path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return IniFile();
    const std::streamoff size = in.tellg();
    if (size <= 0) return IniFile();
    std::string text(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(text.data(), size);
    text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    IniFile ini;
    ini.text = std::make_shared<const std::string>(std::move(text));
    ini.parse();
    return ini;
}

bool IniFile::hasSection(std::string_view section) const {
    return sections.count(section) != 0;
}

const std::string_view *IniFile::find(std::string_view section, std::string_view key) const {
    const auto s = sections.find(section);
    if (s == sections.end()) return nullptr;
    const auto v = s->second.find(key);
    return v == s->second.end() ? nullptr : &v->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const std::string_view *v = find(section, key);
    return std::string(v ? *v : fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::string_view *v = find(section, key);
    if (!v) return fallback;
    std::string_view s = trim(*v);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    long long value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        value = std::min<long long>(value * 10 + (c - '0'), 1LL << 32);
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::vector<std::string> readSpectrumTitles(const IniFile &ini) {
    const int count = std::clamp(ini.readInteger("Spectrum", "Count", 0), 0, kMaxSpectra);
    std::vector<std::string> titles;
    titles.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n)
        titles.push_back(ini.readString("Spectrum_" + std::to_string(n), "Title", "Unknown"));
    return titles;
}

std::uint32_t decodeSourceColour(std::string_view text) {
    std::uint32_t colour = kWhiteColourNumber;
    if (text.size() != 8) return colour;
    // Pairs from the last (red) to the first (the high byte).
    for (int pair = 0; pair < 4; ++pair) {
        const std::size_t at = 6 - 2 * static_cast<std::size_t>(pair);
        const int hi = hexDigit(text[at]);
        const int lo = hexDigit(text[at + 1]);
        if (hi < 0 || lo < 0) break;
        const unsigned shift = 8u * static_cast<unsigned>(pair);
        colour = (colour & ~(0xFFu << shift)) | (static_cast<std::uint32_t>(hi * 16 + lo) << shift);
    }
    return colour;
}

SpectrumSource readSpectrumSource(const IniFile &ini, int index) {
    SpectrumSource source;
    const std::string section = "Spectrum_" + std::to_string(index);
    const int count = std::clamp(ini.readInteger(section, "Range_count", 0), 0, kMaxRanges);
    if (count == 0) return source;
    source.colour = decodeSourceColour(ini.readString(section, "Source_color", "00FFFFFF"));
    source.ranges.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) {
        SpectrumRange r;
        r.begin = ini.readInteger(section, rangeKey("Begin_range_", k), 0);
        r.end = ini.readInteger(section, rangeKey("End_range_", k), 0);
        r.firstOrder = ini.readInteger(section, rangeKey("Brightness_range_", k, "_l1"), 100);
        r.secondOrder = ini.readInteger(section, rangeKey("Brightness_range_", k, "_l2"), 100);
        source.ranges.push_back(r);
    }
    return source;
}

int spectrumBrightness(const SpectrumSource &source, bool whiteLight, int lambda, int order) {
    if (whiteLight) return order == 1 ? 100 : 70;
    // Compared as unsigned numbers: a negative end never holds a wavelength.
    const auto l = static_cast<std::uint32_t>(lambda);
    for (const SpectrumRange &r : source.ranges)
        if (static_cast<std::uint32_t>(r.begin) <= l && l <= static_cast<std::uint32_t>(r.end))
            return order == 1 ? r.firstOrder : r.secondOrder;
    return 0;
}
