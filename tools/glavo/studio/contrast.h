// Contrast warnings: the caption against the title bar and each caption
// button's glyph against its fill, in every state, as WCAG contrast ratios.
// The fill colour is measured on the cell as our renderer paints it, so a
// gradient or a system colour is judged as the user will see it.
#pragma once

#include <string>
#include <vector>

#include "draw/types.h"
#include "theme_check.h"

namespace glavo::studio {

// WCAG 2 relative luminance and contrast ratio (1 to 21).
double RelativeLuminance(Rgb color);
double ContrastRatio(Rgb a, Rgb b);

struct ContrastCheck {
  int look = 0;         // the look (field 0..19) whose colours are compared
  std::string subject;  // e.g. "Close button glyph (over)"
  Rgb foreground = 0;
  Rgb background = 0;   // mean colour of the fill under the text or glyph
  double ratio = 1;
  double required = 1;  // 4.5 for caption text, 3 for glyphs
};

std::vector<ContrastCheck> CheckContrast(const Theme& theme);

}  // namespace glavo::studio
