// Text in the symbol faces whose caption-button glyphs we carry ourselves,
// drawn from our outlines when the system has no such font (Wine, trimmed
// installations): the font mapper would otherwise print digits and letters.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "draw/device_context.h"

namespace glavo::win32 {

// The font selected into a context, as the built-in symbol face draws it.
struct SymbolFont {
  int em = 1;
  bool bold = false;
  bool antialiased = false;
  TextMetrics metrics;
};

// The selected font when it asks for a symbol face the system did not give
// it; nothing when it asks for another face or the real face was found.
std::optional<SymbolFont> MissingSymbolFont(HDC hdc);

// The metrics of the built-in face for a LOGFONT height (negative: em size).
TextMetrics SymbolMetrics(long height, long width);

Size SymbolTextExtent(const SymbolFont& font, std::u16string_view text);

// DrawTextW with the built-in face: alignment, single-line placement, hard
// line breaks, "&" prefixes, DT_CALCRECT, DT_NOCLIP and an opaque background.
// Returns what DrawTextW returns.
int DrawSymbolText(HDC hdc, const SymbolFont& font, std::u16string_view text, Rect& rect,
                   unsigned format);

}  // namespace glavo::win32
