#include "model/NumericValue.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace lettermaze {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The text with every blank removed: blanks may stand anywhere, even between digits.
std::string withoutBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) s += c;
    return s;
}

double radixValue(const std::string& s, std::size_t i, int radix) {
    double v = 0;
    std::size_t digits = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else break;
        if (d >= radix) break;
        v = v * radix + d;
        ++digits;
    }
    // Hexadecimal and octal literals are two's-complement 16- or 32-bit values.
    if (v > 32767 && v <= 65535 && digits <= (radix == 16 ? 4u : 6u)) return v - 65536;
    if (v > 2147483647.0 && v <= 4294967295.0) return v - 4294967296.0;
    return v;
}
}  // namespace

double numericValue(std::string_view text) {
    const std::string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char k = s[1];
        if (k == 'H' || k == 'h') return radixValue(s, 2, 16);
        if (k == 'O' || k == 'o') return radixValue(s, 2, 8);
        return 0;
    }
    // Build the longest prefix that is a decimal number, then let strtod convert it.
    std::string num;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num += s[i++];
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') { num += s[i++]; digits = true; }
    if (i < s.size() && s[i] == '.') {
        num += s[i++];
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') { num += s[i++]; digits = true; }
    }
    if (!digits) return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string exp = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        bool expDigits = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') { exp += s[j++]; expDigits = true; }
        if (expDigits) num += exp;
    }
    const double v = std::strtod(num.c_str(), nullptr);
    // An overflowing exponent saturates, so range checks downstream refuse it.
    constexpr double big = std::numeric_limits<double>::max();
    return std::isfinite(v) ? v : (v > 0 ? big : -big);
}

double roundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    const double fl = std::floor(v);
    const double diff = v - fl;
    if (diff < 0.5) return fl;
    if (diff > 0.5) return fl + 1;
    return std::fmod(fl, 2.0) == 0 ? fl : fl + 1;
}

std::optional<std::int16_t> toInt16(double v) {
    const double r = roundHalfEven(v);
    if (!(r >= -32768 && r <= 32767)) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> toInt32(double v) {
    const double r = roundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

}  // namespace lettermaze
