#include "core/Numbers.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view trim(std::string_view s) {
    s = trimLeft(s);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Length of the longest prefix of s that is a decimal number: optional sign,
// digits with an optional "." (at least one digit), optional exponent with
// at least one digit. 0 when s does not start with a number.
std::size_t numberLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// True when a number that does not fit a double is too large (not too small):
// the position of its first significant digit plus its exponent decides.
bool tooLarge(std::string_view num) {
    long long lead = 0; // power of ten of the first significant digit, roughly
    bool seenPoint = false, seenDigit = false;
    std::size_t i = 0;
    for (; i < num.size() && num[i] != 'e' && num[i] != 'E'; ++i) {
        const char c = num[i];
        if (c == '.')
            seenPoint = true;
        else if (isDigit(c)) {
            if (!seenDigit && c != '0') seenDigit = true;
            if (seenDigit && !seenPoint) ++lead;
            if (!seenDigit && seenPoint) --lead;
        }
    }
    long long exp = 0;
    bool negExp = false;
    if (i < num.size()) {
        ++i;
        if (i < num.size() && (num[i] == '+' || num[i] == '-')) negExp = num[i++] == '-';
        for (; i < num.size(); ++i)
            exp = std::min<long long>(exp * 10 + (num[i] - '0'), 1'000'000'000);
    }
    return lead + (negExp ? -exp : exp) > 0;
}

// Converts a prefix accepted by numberLength. Overflow gives the largest
// finite value of that sign, underflow gives zero; never infinite or NaN.
template <class Real> Real convert(std::string_view num) {
    const bool negative = num.front() == '-';
    if (num.front() == '+' || num.front() == '-') num.remove_prefix(1);
    Real v = 0;
    const auto r = std::from_chars(num.data(), num.data() + num.size(), v);
    if (r.ec == std::errc::result_out_of_range)
        v = tooLarge(num) ? std::numeric_limits<Real>::max() : Real(0);
    else if (r.ec != std::errc())
        v = 0;
    return negative ? -v : v;
}

template <class Real> Real readLenient(std::string_view text) {
    text = trimLeft(text);
    const std::size_t n = numberLength(text);
    return n == 0 ? Real(0) : convert<Real>(text.substr(0, n));
}

} // namespace

double readNumber(std::string_view text) {
    return readLenient<double>(text);
}

long double readNumberExtended(std::string_view text) {
    return readLenient<long double>(text);
}

std::optional<double> readNumberStrict(std::string_view text) {
    text = trim(text);
    const std::size_t n = numberLength(text);
    if (n == 0 || n != text.size()) return std::nullopt;
    const double v = convert<double>(text);
    if (std::abs(v) == DBL_MAX) return std::nullopt; // beyond what a double holds
    return v;
}

std::optional<int> readInteger(std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    int v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
    return v;
}

namespace {

// A finite double as decimal digits: value = 0.digits x 10^point.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zeros; empty for zero
    int point = 0;
};

// The shortest digits that read back to the same double, so rounding below
// works on the number as it is written (2.675 rounds to 2.68).
Decimal toDecimal(double v) {
    Decimal d;
    d.negative = std::signbit(v);
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::abs(v), std::chars_format::scientific);
    const std::string_view s(buf, std::size_t(r.ptr - buf));
    const std::size_t e = s.find('e');
    for (char c : s.substr(0, e))
        if (isDigit(c)) d.digits += c;
    int exp = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exp);
    d.point = exp + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) d.point = 0;
    return d;
}

// Keeps `keep` digits, rounding half away from zero.
void roundDigits(Decimal &d, int keep) {
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (std::size_t(keep) >= d.digits.size()) return;
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[std::size_t(i)] == '9')
            d.digits[std::size_t(i--)] = '0';
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        } else {
            ++d.digits[std::size_t(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) d.point = 0;
}

char digitAt(const Decimal &d, int k) { // k-th digit after the leading 0.
    return k >= 0 && std::size_t(k) < d.digits.size() ? d.digits[std::size_t(k)] : '0';
}

std::string nonFinite(double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

// Fixed notation: integer part (optionally grouped, optionally empty for
// zero), "." and `decimals` digits.
std::string fixed(double v, int decimals, bool group, bool leadingZero) {
    if (!std::isfinite(v)) return nonFinite(v);
    decimals = std::clamp(decimals, 0, 30);
    Decimal d = toDecimal(v);
    roundDigits(d, d.point + decimals);
    std::string intPart;
    for (int k = 0; k < d.point; ++k) {
        if (group && k > 0 && (d.point - k) % 3 == 0) intPart += ',';
        intPart += digitAt(d, k);
    }
    if (intPart.empty() && (leadingZero || decimals == 0)) intPart.push_back('0');
    std::string out = (d.negative && !d.digits.empty()) ? "-" : "";
    out += intPart;
    if (decimals > 0) {
        out += '.';
        for (int k = 0; k < decimals; ++k)
            out += digitAt(d, d.point + k);
    }
    return out;
}

} // namespace

std::string formatThousands(double v) {
    return fixed(v, 2, true, true);
}

std::string formatFiveDecimals(double v) {
    return fixed(v, 5, false, false);
}

std::string formatFixed(double v, int decimals) {
    return fixed(v, decimals, false, true);
}

std::string formatGeneral(double v) {
    if (!std::isfinite(v)) return nonFinite(v);
    Decimal d = toDecimal(v);
    roundDigits(d, 15);
    if (d.digits.empty()) return "0";
    std::string out = d.negative ? "-" : "";
    const int exp = d.point - 1; // power of ten of the first digit
    if (exp >= 15 || exp < -5) {
        out += d.digits[0];
        if (d.digits.size() > 1) out += '.' + d.digits.substr(1);
        return out + 'E' + std::to_string(exp);
    }
    if (d.point <= 0) return out + "0." + std::string(std::size_t(-d.point), '0') + d.digits;
    for (int k = 0; k < d.point; ++k)
        out += digitAt(d, k);
    if (std::size_t(d.point) < d.digits.size()) out += '.' + d.digits.substr(std::size_t(d.point));
    return out;
}
