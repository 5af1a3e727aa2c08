#pragma once
// The program's one reader of numbers typed by users or stored in files, and its one rounding
// rule. Sizes, counts and file fields all go through here so that "4.5", " 20 " and "&H10"
// mean the same thing everywhere.
#include <cstdint>
#include <optional>
#include <string_view>

namespace lettermaze {

// The number a text begins with: blanks, tabs and line feeds are skipped wherever they stand;
// an optional sign, digits, a decimal point and an exponent (E or D) are read, or, after a
// leading &H or &O, hexadecimal or octal digits. Reading stops at the first other character;
// a text that does not begin with a number gives 0.
double numericValue(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour (4.5 -> 4, 5.5 -> 6).
double roundHalfEven(double v);

// Half-to-even rounding into a signed range; nothing when the value does not fit.
std::optional<std::int16_t> toInt16(double v);
std::optional<std::int32_t> toInt32(double v);

}  // namespace lettermaze
