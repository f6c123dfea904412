#include "platform/text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace hv {

namespace {
char lowerChar(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
char upperChar(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
}  // namespace

std::string toLower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lowerChar);
    return out;
}

std::string toUpper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upperChar);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerChar(x) == lowerChar(y);
           });
}

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string trimWhite(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> splitAll(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

std::string formatNumber(double value) {
    if (!std::isfinite(value)) return "0";
    // The fewest significant digits (up to 15) that give the value back.
    char text[64];
    for (int digits = 1; digits <= 15; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    std::string out = text;
    // Whole numbers beyond the exponent threshold still read as plain digits.
    if (out.find('e') != std::string::npos && std::fabs(value) < 1e15 &&
        value == std::floor(value)) {
        std::snprintf(text, sizeof text, "%.0f", value);
        out = text;
    }
    return out;
}

}  // namespace hv

namespace hv {

std::optional<double> leadingNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return std::nullopt;
    if (text.size() - i >= 2 && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h')) {
        double value = 0;
        bool any = false;
        for (i += 2; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])); ++i) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
            value = value * 16 + (c <= '9' ? c - '0' : c - 'a' + 10);
            any = true;
        }
        if (!any) return std::nullopt;
        // Up to eight hex digits read as a signed 32-bit number, as &H80000001 does.
        if (value >= 2147483648.0 && value <= 4294967295.0) value -= 4294967296.0;
        return value;
    }
    std::size_t end = i;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    const std::size_t digitsStart = end;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    }
    if (end == digitsStart || (end == digitsStart + 1 && text[digitsStart] == '.'))
        return std::nullopt;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exp = end + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        if (exp < text.size() && std::isdigit(static_cast<unsigned char>(text[exp]))) {
            end = exp;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
        }
    }
    return std::strtod(std::string(text.substr(i, end - i)).c_str(), nullptr);
}

}  // namespace hv
