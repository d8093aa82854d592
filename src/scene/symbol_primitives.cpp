// Tiles for the caption-button glyphs of the "Webdings" symbol face, drawn
// the way the skin's caption buttons draw them: one character per button,
// DrawTextW with centring and word breaking, placed from the font's metrics.
#include <string>

#include "scene/palette.h"
#include "scene/primitives.h"

namespace glavo::scene {
namespace {

constexpr unsigned kCaptionGlyphFormat = dt::kCenter | dt::kVCenter | dt::kWordBreak;
constexpr char16_t kGlyphs[] = {48, 49, 50, 114};  // minimize, maximize, restore, close
constexpr int kAntialiasedQuality = 4;
constexpr int kNonAntialiasedQuality = 3;

// A title bar across the tile with the four buttons at its right end; the
// buttons are sized from the glyph font's advance and cell height.
void DrawTitleBar(DeviceContext& dc, const Rect& area, int top, int em, int quality) {
  LogFont lf;
  lf.height = -em;
  lf.weight = 400;
  lf.quality = static_cast<std::uint8_t>(quality);
  lf.charSet = 2;  // symbol
  lf.faceName = "Webdings";
  const FontHandle font = dc.createFont(lf);
  const FontHandle previous = dc.selectFont(font);
  const TextMetrics tm = dc.textMetrics();
  const int buttonWidth = dc.textExtent(u"0").cx + em / 2 + 6;
  const int buttonHeight = tm.height + 8;

  const Rect bar{area.left + 8, top, area.right - 8, top + buttonHeight + 4};
  dc.fillRect(bar, palette::kNavy);
  dc.setBkMode(kBkTransparent);
  int left = bar.right - 2 - 4 * buttonWidth - 3;
  for (char16_t glyph : kGlyphs) {
    const Rect button{left, bar.top + 2, left + buttonWidth, bar.top + 2 + buttonHeight};
    dc.fillRect(button, glyph == 114 ? palette::kRed : palette::kBlue);
    dc.setTextColor(palette::kHeaderText);
    Rect box{button.left, button.top + (buttonHeight - tm.height) / 2, button.right,
             button.bottom};
    dc.drawText(std::u16string(1, glyph), box, kCaptionGlyphFormat);
    left += buttonWidth + 1;
  }
  // The same glyphs in ink on the card, left-aligned one after another.
  dc.setTextColor(palette::kInk);
  std::u16string all(kGlyphs, kGlyphs + 4);
  Rect line{bar.left, bar.bottom + 4, bar.right, bar.bottom + 4 + tm.height};
  dc.drawText(all, line, 0);
  dc.selectFont(previous);
  dc.deleteFont(font);
}

void DrawCaptionGlyphs(DeviceContext& dc, const Rect& a, int quality) {
  DrawTitleBar(dc, a, a.top + 6, 11, quality);
  DrawTitleBar(dc, a, a.top + 58, 16, quality);
}

}  // namespace

void DrawCaptionGlyphsAliased(DeviceContext& dc, const Rect& a) {
  DrawCaptionGlyphs(dc, a, kNonAntialiasedQuality);
}

void DrawCaptionGlyphsSmoothed(DeviceContext& dc, const Rect& a) {
  DrawCaptionGlyphs(dc, a, kAntialiasedQuality);
}

}  // namespace glavo::scene
