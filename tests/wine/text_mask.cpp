#include "text_mask.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "cell/cell_theme_record.h"
#include "skin/skin_theme_string.h"

namespace glavo::wine {
namespace {

// The caption's and its shadow's colour among a cell record's values.
constexpr std::size_t kCaptionColor = 7, kCaptionShadowColor = 9;

// Every channel moved by half its range: far from the old colour and from
// the fills around it.
std::u16string FarColour(const std::u16string& value) {
  std::int64_t colour = 0;
  for (char16_t c : value) {
    if (c < u'0' || c > u'9') return value;  // a system colour or a typo: left alone
    colour = colour * 10 + (c - u'0');
  }
  const std::string text = std::to_string((colour & 0xFFFFFF) ^ 0x808080);
  return std::u16string(text.begin(), text.end());
}

}  // namespace

std::u16string RecolourText(std::u16string_view theme) {
  std::vector<std::u16string> fields = SplitSkinTheme(theme);
  // The twenty records come before the theme's four numbers.
  for (int i = 0; i < kFieldTitleBarSize && i < static_cast<int>(fields.size()); ++i) {
    std::vector<std::u16string> values = SplitRecord(fields[static_cast<std::size_t>(i)]);
    if (values.size() <= kCaptionShadowColor) continue;
    values[kCaptionColor] = FarColour(values[kCaptionColor]);
    values[kCaptionShadowColor] = FarColour(values[kCaptionShadowColor]);
    fields[static_cast<std::size_t>(i)] = JoinRecord(values);
  }
  return JoinSkinTheme(fields);
}

std::vector<bool> DifferenceMask(const raster::Bitmap& a, const raster::Bitmap& b, int reachX, int reachY) {
  const int w = std::min(a.width(), b.width()), h = std::min(a.height(), b.height());
  std::vector<bool> mask(static_cast<std::size_t>(w) * h, false);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (((a.row(y)[x] ^ b.row(y)[x]) & 0xFFFFFFu) == 0) continue;
      for (int my = std::max(0, y - reachY); my <= std::min(h - 1, y + reachY); ++my) {
        const auto first = mask.begin() + static_cast<std::ptrdiff_t>(my) * w;
        std::fill(first + std::max(0, x - reachX), first + std::min(w, x + reachX + 1), true);
      }
    }
  }
  return mask;
}

}  // namespace glavo::wine
