// Reading the number a text begins with, the way theme fields are read.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace glavo {

// The number at the start of `text`: blanks, tabs and line feeds are
// skipped wherever they stand; an optional sign, digits, a decimal point
// with digits and an exponent are read; "&H" and "&O" read hexadecimal and
// octal. Reading stops at the first character that does not fit; a text
// without a number gives 0. Never fails.
double LeadingNumber(std::u16string_view text);

// LeadingNumber rounded to the nearest whole number (ties to even); empty
// when the result lies outside the 32-bit signed range.
std::optional<std::int32_t> LeadingInt32(std::u16string_view text);

}  // namespace glavo
