// Reading the number a text begins with, as record and theme fields are read.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace glavo {

// The number at the start of `text`: blanks, tabs and
// line feeds are ignored wherever they stand; an optional sign, digits, a
// decimal point with digits and an exponent are read; "&H" and "&O" read a
// hexadecimal or octal integer. Reading stops at the first character that
// does not fit; no number reads as 0.
double LeadingNumber(std::u16string_view text);

// LeadingNumber rounded half to even; nothing when the result does
// not fit a 32-bit signed integer.
std::optional<std::int32_t> LeadingInt32(std::u16string_view text);

}  // namespace glavo
