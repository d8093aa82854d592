// Tiles for DrawTextW with word breaking in the three alignments.
#include "scene/palette.h"
#include "scene/primitives.h"

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
  // TEXTMETRIC: bars as tall as the cell height and the ascent. They stay
  // left of the frame's right edge, so that the frame decides the ink box.
  const TextMetrics tm = dc.textMetrics();
  dc.fillRect(Rect{a.left + 76, a.bottom - 12 - tm.height, a.left + 84, a.bottom - 12},
              palette::kBlue);
  dc.fillRect(Rect{a.left + 86, a.bottom - 12 - tm.ascent, a.left + 94, a.bottom - 12},
              palette::kAmber);
  dc.selectFont(previous);
  dc.deleteFont(font);
}

namespace {

// A caption turned like a cell's rotated caption: advanced graphics mode,
// the given escapement and orientation, drawn from `origin` with `format`.
void DrawTurned(DeviceContext& dc, std::u16string_view text, int escapement, int orientation,
                const Rect& box, unsigned format, Rgb color) {
  const int previousMode = dc.setGraphicsMode(kGmAdvanced);
  LogFont lf = Arial(-14, 700, kAntialiasedQuality);
  lf.escapement = escapement;
  lf.orientation = orientation;
  const FontHandle font = dc.createFont(lf);
  const FontHandle previous = dc.selectFont(font);
  dc.setBkMode(kBkTransparent);
  dc.setTextColor(color);
  Rect r = box;
  dc.drawText(text, r, format | dt::kNoPrefix);
  dc.selectFont(previous);
  dc.deleteFont(font);
  dc.setGraphicsMode(previousMode);
}

}  // namespace

void DrawTextRotated(DeviceContext& dc, const Rect& a) {
  // Captions along the length of side bars, and one at an angle.
  DrawTurned(dc, u"Down the side", -900, -900, Rect{a.left + 34, a.top + 8, a.right, a.bottom},
             dt::kNoClip, palette::kNavy);
  DrawTurned(dc, u"Upward caption", 900, 900, Rect{a.left + 44, a.bottom - 10, a.right, a.bottom},
             dt::kNoClip, palette::kTeal);
  DrawTurned(dc, u"Turned 30\u00B0", 300, 300, Rect{a.left + 80, a.top + 100, a.right, a.bottom},
             dt::kNoClip, palette::kPurple);
  DrawTurned(dc, u"Level", 0, 0, Rect{a.left + 136, a.top + 14, a.right, a.bottom}, dt::kNoClip,
             palette::kOrange);
}

void DrawTextShadowed(DeviceContext& dc, const Rect& a) {
  // A shadowed caption: the text in the shadow colour, then one pixel up
  // and to the left in its own colour, centred on the band.
  const Rect band{a.left + 8, a.top + 8, a.right - 8, a.top + 62};
  dc.fillRect(band, palette::kSky);
  const FontHandle font = dc.createFont(Arial(-16, 700, kAntialiasedQuality));
  const FontHandle previous = dc.selectFont(font);
  dc.setBkMode(kBkTransparent);
  constexpr unsigned kCaptionFormat = dt::kCenter | dt::kVCenter | dt::kSingleLine;
  Rect box = band;
  dc.setTextColor(palette::kSlate);
  dc.drawText(u"Shadowed caption", box, kCaptionFormat);
  box = Rect{band.left - 1, band.top - 1, band.right - 1, band.bottom - 1};
  dc.setTextColor(palette::kCard);
  dc.drawText(u"Shadowed caption", box, kCaptionFormat);
  dc.selectFont(previous);
  dc.deleteFont(font);
  // An opaque background fills each line's cell behind the text.
  const FontHandle body = dc.createFont(Arial(-13, 400, kAntialiasedQuality));
  dc.selectFont(body);
  dc.setBkMode(kBkOpaque);
  dc.setBkColor(palette::kAmber);
  dc.setTextColor(palette::kInk);
  Rect opaque{a.left + 8, a.top + 76, a.right - 8, a.bottom - 6};
  dc.drawText(u"Opaque background behind each line", opaque, dt::kLeft | dt::kWordBreak);
  dc.setBkMode(kBkTransparent);
  dc.selectFont(previous);
  dc.deleteFont(body);
}

}  // namespace glavo::scene
