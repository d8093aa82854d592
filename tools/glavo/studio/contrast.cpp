#include "contrast.h"

#include <algorithm>
#include <cmath>

#include "runtime/color_table.h"
#include "stage/cell_render.h"
#include "stage/skin_render.h"
#include "theme_fields.h"

namespace glavo::studio {
namespace {

// WCAG 2: normal-size text needs 4.5:1, graphical objects 3:1. The caption
// is 9.75 pt bold, below the 14 pt bold of large text.
constexpr double kTextRatio = 4.5;
constexpr double kGlyphRatio = 3.0;
// Wide enough for the title bar's fill to show its whole recipe.
constexpr int kTitleSampleWidth = 320;

double Channel(std::uint32_t c) {
  const double v = c / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

Rgb Translate(std::int32_t value) {
  Rgb rgb = 0;
  DefaultColorTable().translate(static_cast<OleColor>(value), rgb);
  return rgb;
}

// Mean colour of the painted cell inside `box`, over the pixels the cell
// covers (its mask's alpha).
Rgb MeanColor(const raster::Bitmap& image, Rect box) {
  double r = 0, g = 0, b = 0;
  long count = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      if (!image.contains(x, y)) continue;
      const raster::Pixel p = image.at(x, y);
      if ((p >> 24) == 0) continue;
      r += (p >> 16) & 0xFF;
      g += (p >> 8) & 0xFF;
      b += p & 0xFF;
      ++count;
    }
  }
  if (count == 0) return 0;
  return MakeRgb(static_cast<int>(std::lround(r / count)), static_cast<int>(std::lround(g / count)),
                 static_cast<int>(std::lround(b / count)));
}

Rgb MeasuredFill(const Record& look, int width, int height, Rect box) {
  stage::CellRenderOptions options;
  options.record = stage::FromUtf8(FormatRecord(look));
  options.width = width;
  options.height = height;
  return MeanColor(stage::RenderCell(options), box);
}

ContrastCheck Compare(const Theme& theme, int look, std::string subject, Rgb background, double required) {
  ContrastCheck c;
  c.look = look;
  c.subject = std::move(subject);
  c.foreground = Translate(theme.looks[look][kPosCaptionColor]);
  c.background = background;
  c.ratio = ContrastRatio(c.foreground, c.background);
  c.required = required;
  return c;
}

}  // namespace

double RelativeLuminance(Rgb color) {
  return 0.2126 * Channel(color & 0xFF) + 0.7152 * Channel((color >> 8) & 0xFF) +
         0.0722 * Channel((color >> 16) & 0xFF);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<ContrastCheck> CheckContrast(const Theme& theme) {
  std::vector<ContrastCheck> checks;
  const int title = std::max(theme.metrics[0], 1);
  // The caption sits at the left of the bar, in its middle rows.
  const Rect captionBox{title + 8, title / 4, kTitleSampleWidth / 2, title - title / 4};
  checks.push_back(Compare(theme, 0, "Caption on the title bar",
                           MeasuredFill(theme.looks[0], kTitleSampleWidth, title, captionBox), kTextRatio));
  const int side = std::max(theme.metrics[2], 1);
  // The glyph covers the middle half of the button.
  const Rect glyphBox{side / 4, side / 4, side - side / 4, side - side / 4};
  for (int look = 7; look < 20; ++look) {
    if (look == 11) continue;  // the icon shows a picture, not a glyph
    const LookSlot& slot = kLookSlots[look];
    checks.push_back(Compare(theme, look,
                             std::string(slot.label) + " glyph (" + std::string(slot.state) + ")",
                             MeasuredFill(theme.looks[look], side, side, glyphBox), kGlyphRatio));
  }
  return checks;
}

}  // namespace glavo::studio
