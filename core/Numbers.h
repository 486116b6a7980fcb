#pragma once
// Reading and writing numbers the way the windows do, independent of the
// user's locale: "." is always the decimal point.
#include <optional>
#include <string>
#include <string_view>

// Lenient reading: leading blanks skipped, the longest leading part that
// forms a decimal number (optional sign, digits, ".", exponent) converted,
// 0 when there is none. "  12.5abc" -> 12.5, "1e-3" -> 0.001, "5,5" -> 5.
double readNumber(std::string_view text);
// The same reading in extended precision, for inputs held that way:
// "0.01" / "0.00005" truncates to 200 there, to 199 through doubles.
long double readNumberExtended(std::string_view text);

// Strict reading: the whole text (blanks around it allowed) must be a
// number; nothing otherwise.
std::optional<double> readNumberStrict(std::string_view text);

// Whole-number reading for combo boxes and spin edits: optional blanks and
// sign, digits only, within 32 bits; nothing otherwise.
std::optional<int> readInteger(std::string_view text);

// "#,##0.00": thousands separated by ",", two decimals. 1234.5 -> "1,234.50".
std::string formatThousands(double v);
// "#.##0.00": five decimals, no leading zero. 28.5 -> "28.50000", 0.25 -> ".25000".
std::string formatFiveDecimals(double v);
// Fixed number of decimals. (22.5819, 2) -> "22.58".
std::string formatFixed(double v, int decimals);
// The shortest general form with up to 15 significant digits. 0.1 -> "0.1".
std::string formatGeneral(double v);
