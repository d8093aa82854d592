#include "skin/skin_theme_string.h"

#include <string>

namespace glavo {

std::vector<std::u16string> SplitSkinTheme(std::u16string_view text) {
  std::vector<std::u16string> fields;
  if (text.empty()) return fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = text.find(kSkinThemeSeparator, start);
    if (at == std::u16string_view::npos) {
      fields.emplace_back(text.substr(start));
      return fields;
    }
    fields.emplace_back(text.substr(start, at - start));
    start = at + kSkinThemeSeparator.size();
  }
}

std::u16string JoinSkinTheme(const std::vector<std::u16string>& fields) {
  std::u16string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i != 0) out += kSkinThemeSeparator;
    out += fields[i];
  }
  return out;
}

std::u16string DecimalText(std::int32_t value) {
  std::string s = std::to_string(value);
  return std::u16string(s.begin(), s.end());
}

}  // namespace glavo
