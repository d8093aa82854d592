#include "text_mask.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace glavo::wine {
namespace {

constexpr std::u16string_view kFieldSeparator = u"#$#";
constexpr std::u16string_view kValueSeparator = u"##";
constexpr int kRecords = 20;
constexpr std::size_t kCaptionColor = 7, kCaptionShadowColor = 9;

std::vector<std::u16string> Split(std::u16string_view text, std::u16string_view separator) {
  std::vector<std::u16string> parts;
  for (std::size_t at = 0;;) {
    const std::size_t next = text.find(separator, at);
    parts.emplace_back(text.substr(at, next == std::u16string_view::npos ? std::u16string_view::npos : next - at));
    if (next == std::u16string_view::npos) return parts;
    at = next + separator.size();
  }
}

std::u16string Join(const std::vector<std::u16string>& parts, std::u16string_view separator) {
  std::u16string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) out += separator;
    out += parts[i];
  }
  return out;
}

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
  std::vector<std::u16string> fields = Split(theme, kFieldSeparator);
  for (int i = 0; i < kRecords && i < static_cast<int>(fields.size()); ++i) {
    std::vector<std::u16string> values = Split(fields[static_cast<std::size_t>(i)], kValueSeparator);
    if (values.size() <= kCaptionShadowColor) continue;
    values[kCaptionColor] = FarColour(values[kCaptionColor]);
    values[kCaptionShadowColor] = FarColour(values[kCaptionShadowColor]);
    fields[static_cast<std::size_t>(i)] = Join(values, kValueSeparator);
  }
  return Join(fields, kFieldSeparator);
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
