// The texts the themes are made of: fields joined by a separator (a cell
// record by "##", a skin theme by "#$#"), and whole numbers as decimal text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace glavo {

// Splits at every separator. An empty text gives no fields at all; a text
// without a separator gives one field.
std::vector<std::u16string> SplitAt(std::u16string_view text, std::u16string_view separator);
std::u16string JoinWith(const std::vector<std::u16string>& fields, std::u16string_view separator);

// Decimal text of a 32-bit signed value, as the numeric fields are written.
std::u16string DecimalText(std::int32_t value);

}  // namespace glavo
