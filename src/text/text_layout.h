// DrawText's line layout: UTF-16 decoding, "&" prefixes, hard line breaks
// and word wrapping at spaces, independent of any font machinery.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace glavo::text {

// One character as DrawText places it; `underlined` marks a "&" mnemonic.
struct TextChar {
  char32_t code = 0;
  bool underlined = false;
  friend bool operator==(const TextChar&, const TextChar&) = default;
};

struct TextLine {
  std::vector<TextChar> chars;
  int width = 0;  // sum of the advances of `chars`
};

using AdvanceFunction = std::function<int(char32_t)>;

// Code points of UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::u32string DecodeUtf16(std::u16string_view text);

// "&&" gives "&", "&x" underlines x, a lone "&" at the end vanishes. With
// `noPrefix` every character stays as it is.
std::vector<TextChar> ApplyPrefixes(std::u32string_view text, bool noPrefix);

// Splits at CR, LF and CRLF (unless `singleLine`; then line breaks are dropped)
// and, with `wordBreak`, wraps between words so that each line fits
// `maxWidth`. A word wider than the line stays whole on a line of its own.
// Spaces where a line wraps belong to neither line. A final line break does
// not start another line.
std::vector<TextLine> LayoutLines(const std::vector<TextChar>& text, bool singleLine,
                                  bool wordBreak, int maxWidth, const AdvanceFunction& advance);

}  // namespace glavo::text
