// The skin theme string: twenty cell records and four numbers joined by
// "#$#", and the split that takes such a text apart again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cell/field_text.h"  // DecimalText, as the numeric fields are written

namespace glavo {

inline constexpr std::u16string_view kSkinThemeSeparator = u"#$#";
inline constexpr int kSkinThemeFieldCount = 24;
// Field indices of the four numbers that follow the twenty records.
inline constexpr int kFieldTitleBarSize = 20;
inline constexpr int kFieldBorderSize = 21;
inline constexpr int kFieldButtonSize = 22;
inline constexpr int kFieldBackColor = 23;
inline constexpr int kFieldFirstOver = 12;
inline constexpr int kFieldFirstDown = 16;

// Splits at every "#$#". An empty text gives no fields at all; a text
// without a separator gives one field.
std::vector<std::u16string> SplitSkinTheme(std::u16string_view text);
std::u16string JoinSkinTheme(const std::vector<std::u16string>& fields);

}  // namespace glavo
