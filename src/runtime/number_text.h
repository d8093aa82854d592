// Text that is a number: the one grammar that theme records, stored
// property values and automation arguments all read numbers by.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace glavo {

struct NumberPrefix {
  double value = 0;
  std::size_t length = 0;  // characters read; 0 when the text starts with no number
};

// The longest start of `text` that is a number: an optional sign, digits,
// a decimal point with digits and an exponent; or "&H" / "&O" followed by
// hexadecimal or octal digits (a 32-bit two's-complement value, so
// &HFFFFFFFF is -1). Words such as "inf" or "nan" and C forms such as
// "0x1" are not numbers. A decimal too large for a double reads as infinity.
NumberPrefix ReadNumberPrefix(std::u16string_view text);

// The whole text as a number, blanks and tabs around it allowed; nothing
// when anything else remains or there is no number at all.
std::optional<double> WholeNumber(std::u16string_view text);

}  // namespace glavo
