#include "model/Text1252.h"

#include <algorithm>

namespace lettermaze {

namespace {
// 0x80..0x9F are where windows-1252 differs from Latin-1; 0 marks an undefined byte.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

char upper1252(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 32);
    switch (c) {
        case 0x9A: return static_cast<char>(0x8A);  // s caron
        case 0x9C: return static_cast<char>(0x8C);  // oe
        case 0x9E: return static_cast<char>(0x8E);  // z caron
        case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
        default: break;
    }
    // Latin-1 lower-case letters 0xE0..0xFE, except the division sign 0xF7.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char>(c - 32);
    return ch;
}

std::string upper1252(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = upper1252(c);
    return out;
}

std::string_view baseLetters1252(char upperCased) {
    // Indexed from 0xC0; the Latin-1 capitals in code order, the multiplication sign excepted.
    static constexpr std::string_view kLatin1[32] = {
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I",  "I", "I",
        "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "SS"};
    const auto c = static_cast<unsigned char>(upperCased);
    if (c >= 0xC0 && c <= 0xDF) return kLatin1[c - 0xC0];
    switch (c) {
        case 0x8A: return "S";
        case 0x8C: return "OE";
        case 0x8E: return "Z";
        case 0x9F: return "Y";
        default: return {};
    }
}

std::string toCrLf(std::string_view text, int& caret) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    int newCaret = caret;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        const bool pair = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        out += "\r\n";
        if (pair) ++i;
        // A lone line end grows by one character, which moves a caret that stands after it.
        else if (static_cast<long>(i) < caret) ++newCaret;
    }
    caret = newCaret;
    return out;
}

std::string toCrLf(std::string_view text) {
    int caret = 0;
    return toCrLf(text, caret);
}

std::string reverseText(std::string s) {
    std::reverse(s.begin(), s.end());
    return s;
}

std::string trimSpaces(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

char32_t unicodeOf1252(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
    return b;
}

char from1252Unicode(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

std::string utf8From1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (unsigned char b : s) {
        const char32_t cp = unicodeOf1252(b);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string cp1252FromUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        char32_t cp = 0;
        int extra = 0;
        if (b < 0x80) { cp = b; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; extra = 3; }
        else { out += '?'; ++i; continue; }  // a stray continuation byte
        bool ok = i + extra < s.size() + 0 || extra == 0;
        for (int k = 1; k <= extra && ok; ++k) {
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        }
        if (!ok) { out += '?'; ++i; continue; }
        out += from1252Unicode(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

}  // namespace lettermaze
