#include "platform/win32/win32_symbol_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "text/symbol_coverage.h"
#include "text/symbol_glyphs.h"

namespace glavo::win32 {
namespace {
using namespace text;  // the symbol outlines this file draws with GDI

constexpr long kDefaultCellHeight = 16;
constexpr long kMaxPixels = 1000;  // larger fonts draw at this size, as in the software host
constexpr long kBoldWeight = 600;
constexpr long kAntialiasedQuality = 4;

int Round(double v) { return static_cast<int>(std::lround(v)); }

std::wstring Lower(const WCHAR* s) {
  std::wstring out;
  for (; *s != 0; ++s) out += (*s >= L'A' && *s <= L'Z') ? static_cast<WCHAR>(*s - L'A' + L'a') : *s;
  while (!out.empty() && out.back() == L' ') out.pop_back();
  const auto first = out.find_first_not_of(L' ');
  return first == std::wstring::npos ? std::wstring() : out.substr(first);
}

std::string Narrow(const WCHAR* s) {
  std::string out;
  for (; *s != 0; ++s) out += *s < 0x80 ? static_cast<char>(*s) : '?';
  return out;
}

int Advance(const SymbolFont& font, char32_t c) {
  return SymbolCode(c) != 0 ? SymbolAdvance(c, font.em) + (font.bold ? 1 : 0) : 0;
}

// "&&" gives "&", "&x" gives x, a lone "&" at the end vanishes.
std::u16string StripPrefixes(std::u16string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&') {
      if (++i >= text.size()) break;
    }
    out += text[i];
  }
  return out;
}

// Splits at CR, LF and CRLF; a final break starts no further line.
std::vector<std::u16string> SplitLines(const std::u16string& text, bool singleLine) {
  std::vector<std::u16string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c != u'\r' && c != u'\n') {
      lines.back() += c;
      continue;
    }
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    if (!singleLine && i + 1 < text.size()) lines.emplace_back();
  }
  return lines;
}

int LineWidth(const SymbolFont& font, std::u16string_view line) {
  long long width = 0;
  for (char16_t c : line) width += Advance(font, c);
  return static_cast<int>(std::min<long long>(width, 1 << 30));
}

int Aligned(long long start, long long extent, long long used, unsigned format, unsigned middle,
            unsigned end) {
  if (format & middle) return static_cast<int>(start + (extent - used) / 2);
  if (format & end) return static_cast<int>(start + extent - used);
  return static_cast<int>(start);
}

// Blends a glyph onto the context's pixels; `clip` bounds it unless null.
void PaintGlyph(HDC hdc, const SymbolMask& mask, int x, int y, const Rect* clip, COLORREF color) {
  const int r = GetRValue(color);
  const int g = GetGValue(color);
  const int b = GetBValue(color);
  for (int row = 0; row < mask.height; ++row) {
    const int py = y + mask.top + row;
    if (clip != nullptr && (py < clip->top || py >= clip->bottom)) continue;
    for (int col = 0; col < mask.width; ++col) {
      const int px = x + mask.left + col;
      if (clip != nullptr && (px < clip->left || px >= clip->right)) continue;
      const int c = mask.at(col, row);
      if (c == 0) continue;
      if (c >= 255) {
        SetPixelV(hdc, px, py, color);
        continue;
      }
      const COLORREF under = GetPixel(hdc, px, py);
      if (under == CLR_INVALID) continue;
      SetPixelV(hdc, px, py,
                RGB(BlendChannel(GetRValue(under), r, c), BlendChannel(GetGValue(under), g, c),
                    BlendChannel(GetBValue(under), b, c)));
    }
  }
}

void PaintLine(HDC hdc, const SymbolFont& font, std::u16string_view line, int x, int y,
               const Rect* clip) {
  const int width = LineWidth(font, line);
  if (GetBkMode(hdc) == OPAQUE && width > 0) {
    Rect band{x, y, x + width, y + font.metrics.height};
    if (clip != nullptr) {
      band = Rect{std::max(band.left, clip->left), std::max(band.top, clip->top),
                  std::min(band.right, clip->right), std::min(band.bottom, clip->bottom)};
    }
    if (band.right > band.left && band.bottom > band.top) {
      HBRUSH brush = CreateSolidBrush(GetBkColor(hdc) & 0xFFFFFFu);
      const RECT rc{band.left, band.top, band.right, band.bottom};
      if (brush != nullptr) {
        FillRect(hdc, &rc, brush);
        DeleteObject(brush);
      }
    }
  }
  const COLORREF color = GetTextColor(hdc) & 0xFFFFFFu;
  const int baseline = y + font.metrics.ascent;
  int pen = x;
  for (char16_t c : line) {
    if (SymbolCode(c) != 0) {
      PaintGlyph(hdc, SymbolGlyph(c, font.em, font.bold, font.antialiased), pen, baseline, clip,
                 color);
    }
    pen += Advance(font, c);
  }
}

}  // namespace

TextMetrics SymbolMetrics(long height, long width) {
  long long h = height == 0 ? kDefaultCellHeight : height;
  h = std::clamp<long long>(h, -kMaxPixels, kMaxPixels);
  TextMetrics tm;
  int em = 1;
  if (h < 0) {
    em = static_cast<int>(-h);
    tm.ascent = Round(kSymbolAscent * em);
    tm.descent = Round(kSymbolDescent * em);
  } else {
    const double cell = kSymbolAscent + kSymbolDescent;
    em = std::max(1, Round(static_cast<double>(h) / cell));
    tm.ascent = Round(kSymbolAscent * static_cast<double>(h) / cell);
    tm.descent = static_cast<int>(h) - tm.ascent;
  }
  tm.height = tm.ascent + tm.descent;
  tm.internalLeading = std::max(0, tm.height - em);
  tm.averageCharWidth = std::max(1, Round(em * 0.45));
  if (width != 0) {
    tm.averageCharWidth = static_cast<int>(std::min<long long>(std::llabs(width), kMaxPixels));
  }
  return tm;
}

std::optional<SymbolFont> MissingSymbolFont(HDC hdc) {
  LOGFONTW lf{};
  HGDIOBJ selected = GetCurrentObject(hdc, OBJ_FONT);
  if (selected == nullptr || GetObjectW(selected, sizeof lf, &lf) == 0) return std::nullopt;
  if (!IsSymbolFace(Narrow(lf.lfFaceName))) return std::nullopt;
  WCHAR given[LF_FACESIZE] = {};
  if (GetTextFaceW(hdc, LF_FACESIZE, given) > 0 && Lower(given) == Lower(lf.lfFaceName)) {
    return std::nullopt;
  }
  SymbolFont font;
  font.metrics = SymbolMetrics(lf.lfHeight, lf.lfWidth);
  // The em follows from the cell exactly as the metrics do.
  const long long h = std::clamp<long long>(lf.lfHeight == 0 ? kDefaultCellHeight : lf.lfHeight,
                                            -kMaxPixels, kMaxPixels);
  font.em = h < 0 ? static_cast<int>(-h)
                  : std::max(1, Round(static_cast<double>(h) / (kSymbolAscent + kSymbolDescent)));
  font.bold = lf.lfWeight >= kBoldWeight;
  font.antialiased = lf.lfQuality == kAntialiasedQuality;
  return font;
}

Size SymbolTextExtent(const SymbolFont& font, std::u16string_view text) {
  return Size{LineWidth(font, text), font.metrics.height};
}

int DrawSymbolText(HDC hdc, const SymbolFont& font, std::u16string_view text, Rect& rect,
                   unsigned format) {
  if (text.empty()) {
    if (format & dt::kCalcRect) {
      rect.right = rect.left;
      rect.bottom = rect.top;
    }
    return 0;
  }
  const bool singleLine = (format & dt::kSingleLine) != 0;
  const std::u16string plain =
      (format & dt::kNoPrefix) ? std::u16string(text) : StripPrefixes(text);
  const std::vector<std::u16string> lines = SplitLines(plain, singleLine);
  const int lineHeight = font.metrics.height;
  const int block = static_cast<int>(lines.size()) * lineHeight;

  if (format & dt::kCalcRect) {
    int widest = 0;
    for (const auto& line : lines) widest = std::max(widest, LineWidth(font, line));
    rect.right = rect.left + widest;
    rect.bottom = rect.top + block;
    return block;
  }

  const long long height = static_cast<long long>(rect.bottom) - rect.top;
  const int top = singleLine ? Aligned(rect.top, height, block, format, dt::kVCenter, dt::kBottom)
                             : rect.top;
  const Rect* clip = (format & dt::kNoClip) ? nullptr : &rect;
  const long long width = static_cast<long long>(rect.right) - rect.left;
  int y = top;
  for (const auto& line : lines) {
    const int x = Aligned(rect.left, width, LineWidth(font, line), format, dt::kCenter, dt::kRight);
    PaintLine(hdc, font, line, x, y, clip);
    y += lineHeight;
  }
  const bool placed = singleLine && (format & (dt::kVCenter | dt::kBottom));
  return placed ? top - rect.top + block : block;
}

}  // namespace glavo::win32
