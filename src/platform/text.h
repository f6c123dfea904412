#pragma once
// Small text helpers shared by the core and both platform layers (ANSI text, ASCII case rules).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hv {

std::string toLower(std::string_view text);
std::string toUpper(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);
// Removes leading and trailing spaces only, as the program's trimming always has.
std::string trimBlanks(std::string_view text);
// Removes leading and trailing spaces and tabs.
std::string trimWhite(std::string_view text);
// Splits at every separator; n separators give n + 1 pieces.
std::vector<std::string> splitAll(std::string_view text, char separator);
// Splits text into lines at CR LF, LF or CR; a final line break gives no empty last line.
std::vector<std::string> splitLines(std::string_view text);
// Shortest decimal text of a double, up to 15 significant digits, no thousands separators.
std::string formatNumber(double value);

}  // namespace hv

namespace hv {

// The number at the start of a text, as a plain numeric conversion reads it: leading blanks
// skipped, an optional sign, decimal digits with an optional fraction and exponent, or
// hexadecimal digits after "&H"; the rest is ignored. Nothing when no digit comes first.
std::optional<double> leadingNumber(std::string_view text);

}  // namespace hv
