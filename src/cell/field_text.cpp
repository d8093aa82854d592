#include "cell/field_text.h"

namespace glavo {

std::vector<std::u16string> SplitAt(std::u16string_view text, std::u16string_view separator) {
  std::vector<std::u16string> fields;
  if (text.empty()) return fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t at = text.find(separator, start);
    if (at == std::u16string_view::npos) {
      fields.emplace_back(text.substr(start));
      return fields;
    }
    fields.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}

std::u16string JoinWith(const std::vector<std::u16string>& fields, std::u16string_view separator) {
  std::u16string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += separator;
    out += fields[i];
  }
  return out;
}

std::u16string DecimalText(std::int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace glavo
