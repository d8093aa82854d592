// Tiles for DrawTextW with word breaking in the three alignments.
#include "palette.h"
#include "primitives.h"

namespace glavo::scene {
namespace {

constexpr std::u16string_view kSample =
    u"Long captions wrap at word boundaries: every line ends before the word that would "
    u"cross its margin, so Gr\u00F6\u00DFe, fa\u00E7ade and na\u00EFve stay whole.";

constexpr int kAntialiasedQuality = 4;
constexpr int kNonAntialiasedQuality = 3;

LogFont Arial(int height, int weight, int quality) {
  LogFont lf;
  lf.height = height;
  lf.weight = weight;
  lf.quality = static_cast<std::uint8_t>(quality);
  lf.faceName = "Arial";
  return lf;
}

void DrawSample(DeviceContext& dc, const Rect& area, unsigned align, int quality) {
  const FontHandle font = dc.createFont(Arial(-13, 400, quality));
  const FontHandle previous = dc.selectFont(font);
  dc.setTextColor(palette::kInk);
  dc.setBkMode(kBkTransparent);
  Rect box{area.left + 8, area.top + 6, area.right - 8, area.bottom - 6};
  dc.drawText(kSample, box, align | dt::kWordBreak | dt::kNoPrefix);
  dc.selectFont(previous);
  dc.deleteFont(font);
}

}  // namespace

void DrawTextLeft(DeviceContext& dc, const Rect& a) {
  DrawSample(dc, a, dt::kLeft, kAntialiasedQuality);
}
void DrawTextCenter(DeviceContext& dc, const Rect& a) {
  DrawSample(dc, a, dt::kCenter, kAntialiasedQuality);
}
void DrawTextRight(DeviceContext& dc, const Rect& a) {
  DrawSample(dc, a, dt::kRight, kAntialiasedQuality);
}
void DrawTextAliased(DeviceContext& dc, const Rect& a) {
  DrawSample(dc, a, dt::kLeft, kNonAntialiasedQuality);
}

void DrawTextSingleLine(DeviceContext& dc, const Rect& a) {
  struct Line {
    std::u16string_view text;
    int weight;
    bool italic;
    unsigned align;
    Rgb color;
  };
  constexpr Line kLines[] = {
      {u"Regular caption", 400, false, dt::kLeft, palette::kInk},
      {u"Bold caption", 700, false, dt::kCenter, palette::kNavy},
      {u"Italic caption", 400, true, dt::kRight, palette::kPurple},
  };
  dc.setBkMode(kBkTransparent);
  int top = a.top + 6;
  for (const Line& line : kLines) {
    LogFont lf = Arial(-15, line.weight, kAntialiasedQuality);
    lf.italic = line.italic;
    const FontHandle font = dc.createFont(lf);
    const FontHandle previous = dc.selectFont(font);
    dc.setTextColor(line.color);
    Rect box{a.left + 8, top, a.right - 8, top + 36};
    dc.drawText(line.text, box, line.align | dt::kVCenter | dt::kSingleLine | dt::kNoPrefix);
    dc.selectFont(previous);
    dc.deleteFont(font);
    top += 40;
  }
}

void DrawTextMeasured(DeviceContext& dc, const Rect& a) {
  const FontHandle font = dc.createFont(Arial(-13, 400, kAntialiasedQuality));
  const FontHandle previous = dc.selectFont(font);
  dc.setBkMode(kBkTransparent);
  dc.setTextColor(palette::kInk);
  // DT_CALCRECT measures the wrapped paragraph; the frame hugs it.
  constexpr std::u16string_view kText = u"Measured first, then framed and drawn.";
  Rect box{a.left + 14, a.top + 12, a.left + 120, a.top + 12};
  dc.drawText(kText, box, dt::kWordBreak | dt::kNoPrefix | dt::kCalcRect);
  dc.setPen(palette::kTeal, 1);
  dc.setBrush(palette::kMint, true);
  dc.rectangle(box.left - 6, box.top - 4, box.right + 6, box.bottom + 4);
  dc.drawText(kText, box, dt::kWordBreak | dt::kNoPrefix);
  // GetTextExtentPoint32W: a bar as long as the word is wide.
  constexpr std::u16string_view kWord = u"Extent";
  const Size extent = dc.textExtent(kWord);
  Rect word{a.left + 14, a.bottom - 34, a.left + 14 + extent.cx, a.bottom - 34 + extent.cy};
  dc.drawText(kWord, word, dt::kLeft | dt::kSingleLine | dt::kNoPrefix);
  dc.fillRect(Rect{word.left, word.bottom + 2, word.right, word.bottom + 5}, palette::kOrange);
  const TextMetrics tm = dc.textMetrics();
  dc.fillRect(Rect{a.right - 24, a.bottom - 12 - tm.height, a.right - 16, a.bottom - 12},
              palette::kBlue);
  dc.fillRect(Rect{a.right - 14, a.bottom - 12 - tm.ascent, a.right - 6, a.bottom - 12},
              palette::kAmber);
  dc.selectFont(previous);
  dc.deleteFont(font);
}

}  // namespace glavo::scene
