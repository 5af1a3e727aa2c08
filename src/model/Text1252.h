#pragma once
// windows-1252 text. In the core every std::string holds windows-1252 bytes, one byte per
// character; conversion to and from Unicode happens only at the edges (window, terminal).
#include <cstdint>
#include <string>
#include <string_view>

namespace lettermaze {

// Upper-cases a-z and the accented lower-case letters of windows-1252 (including the pairs
// 0x9A/0x8A, 0x9C/0x8C, 0x9E/0x8E and 0xFF/0x9F). Other bytes pass unchanged.
char upper1252(char c);
std::string upper1252(std::string_view s);

// The letters an upper-cased windows-1252 letter sorts as: an accented letter as its base letter
// (\xC9 as E, \xD1 as N, \x8A as S), a ligature or a letter written as two as those two
// (\xC6 as AE, \x8C as OE, \xDF as SS, \xDE as TH). Empty for every other character.
std::string_view baseLetters1252(char upperCased);

// text with every line end, whether CR LF, a lone LF or a lone CR, written as CR LF. Linux
// clipboards and files end lines with LF alone, Windows ones with CR LF; the program's rules
// split lines at CR and count CR LF as two characters.
std::string toCrLf(std::string_view text);
// The same, moving caret (a position in text) so that it stays after the same character.
std::string toCrLf(std::string_view text, int& caret);

// The characters of s in reverse order.
std::string reverseText(std::string s);

// Removes spaces (only the space character) from both ends, as the program's Trim does.
std::string trimSpaces(std::string_view s);

// Unicode code point of a windows-1252 byte (undefined bytes map to themselves).
char32_t unicodeOf1252(unsigned char b);
// The windows-1252 byte of a code point, or '?' when windows-1252 cannot hold it.
char from1252Unicode(char32_t cp);

// UTF-8 <-> windows-1252 for terminals and files that are not ours.
std::string utf8From1252(std::string_view s);
std::string cp1252FromUtf8(std::string_view s);

}  // namespace lettermaze
