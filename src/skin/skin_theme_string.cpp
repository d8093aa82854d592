#include "skin/skin_theme_string.h"

namespace glavo {

std::vector<std::u16string> SplitSkinTheme(std::u16string_view text) {
  return SplitAt(text, kSkinThemeSeparator);
}

std::u16string JoinSkinTheme(const std::vector<std::u16string>& fields) {
  return JoinWith(fields, kSkinThemeSeparator);
}

}  // namespace glavo
