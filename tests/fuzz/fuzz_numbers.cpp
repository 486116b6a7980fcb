// libFuzzer target for number reading: any bytes must read without a crash,
// undefined behaviour, NaN or infinity, and the readers and formats must agree.
#include "core/Numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {
void check(bool ok) {
    if (!ok) __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const double v = readNumber(text);
    check(std::isfinite(v));

    // A whole number is also its own longest leading number.
    if (const auto s = readNumberStrict(text)) check(*s == v);
    if (const auto i = readInteger(text)) check(double(*i) == v);

    // The general form reads back to nearly the same value.
    const std::string g = formatGeneral(v);
    const double back = readNumber(g);
    check(std::abs(back - v) <= 1e-14 * std::abs(v));

    formatThousands(v);
    formatFiveDecimals(v);
    formatFixed(v, size > 0 ? data[0] % 12 : 2);
    return 0;
}
