#include "text/text_run_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "text/text_blend.h"

namespace glavo::text {
namespace {

struct Vec {
  double x = 0;
  double y = 0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator*(double k, Vec v) { return {k * v.x, k * v.y}; }

// Device-space frame of a run: pen direction along the baseline and the
// "down" direction of the glyphs (y grows downwards on the device).
struct RunFrame {
  Vec along{1, 0};
  Vec down{0, 1};
  Vec glyphAlong{1, 0};  // the advance direction of a turned glyph
  bool axisAligned = true;
  int glyphAngle = 0;
};

Vec Direction(int tenths) {
  const double r = tenths / 10.0 * std::numbers::pi / 180.0;
  return {std::cos(r), -std::sin(r)};
}

RunFrame FrameFor(const LogFont& lf, int graphicsMode) {
  RunFrame f;
  const int glyphAngle = graphicsMode == kGmAdvanced ? lf.orientation : lf.escapement;
  f.glyphAngle = glyphAngle % 3600;
  f.along = Direction(lf.escapement);
  f.glyphAlong = Direction(glyphAngle);
  // Reduced first: the angle may be any Long, and adding to it could overflow.
  const Vec up = Direction(f.glyphAngle + 900);
  f.down = {-up.x, -up.y};
  f.axisAligned = lf.escapement % 3600 == 0 && f.glyphAngle == 0;
  return f;
}

// Whole device pixels, held far outside any surface but clear of overflow.
int RoundCoord(double v) {
  constexpr double kLimit = 1 << 30;
  return static_cast<int>(std::lround(std::clamp(v, -kLimit, kLimit)));
}

// Whether a glyph at `pen` could reach the clip at all (its image lies
// within `reach` pixels of its origin): skips rendering far-off glyphs.
bool MayTouch(const Rect& clip, Vec pen, double reach) {
  return pen.x + reach >= clip.left && pen.x - reach < clip.right && pen.y + reach >= clip.top &&
         pen.y - reach < clip.bottom;
}

// A band of the run: `length` along the baseline from `start`, `offset` to
// `offset + thickness` in the down direction.
void PaintBand(raster::Bitmap& target, const Rect& clip, const RunFrame& f, Vec start, double length,
               int offset, int thickness, Rgb color, bool antialiased, FT_Library library) {
  if (length <= 0 || thickness <= 0) return;
  if (f.axisAligned) {
    const int x = RoundCoord(start.x);
    const int y = RoundCoord(start.y) + offset;
    FillClipped(target, clip, Rect{x, y, x + RoundCoord(length), y + thickness}, color);
    return;
  }
  const Vec a = start + static_cast<double>(offset) * f.down;
  const Vec b = a + length * f.along;
  const Vec c = b + static_cast<double>(thickness) * f.down;
  const Vec d = a + static_cast<double>(thickness) * f.down;
  auto pt = [](Vec v) {
    return OutlinePoint{static_cast<long>(std::lround(v.x * 64)),
                        static_cast<long>(std::lround(-v.y * 64))};
  };
  OwnedOutline outline = OwnedOutline::fromContours(library, {{pt(a), pt(b), pt(c), pt(d)}});
  BlendCoverage(target, clip, outline.rasterise(antialiased), 0, 0, color);
}

}  // namespace

void PaintTextRun(raster::Bitmap& target, const Rect& clip, const Font& font,
                  const std::vector<TextChar>& chars, int x, int y, const raster::TextState& state) {
  const TextMetrics& tm = font.metrics();
  const LogFont& lf = font.logFont();
  const RunFrame frame = FrameFor(lf, state.graphicsMode);
  const Vec origin{static_cast<double>(x), static_cast<double>(y)};

  std::vector<double> pens(chars.size() + 1, 0);
  for (std::size_t i = 0; i < chars.size(); ++i) pens[i + 1] = pens[i] + font.advance(chars[i].code);
  const double width = pens.back();

  if (state.bkMode == kBkOpaque) {
    PaintBand(target, clip, frame, origin, width, 0, tm.height, state.bkColor, false,
              font.library());
  }
  const Vec baseline = origin + static_cast<double>(tm.ascent) * frame.down;
  const double reach = 2.0 * (tm.height + font.emPixels());
  for (std::size_t i = 0; i < chars.size(); ++i) {
    // Each glyph's advance, turned with the glyph, is centred on the slot
    // the baseline gives it; turned against the baseline (vertical captions
    // drawn reversed) it still fills its own slot instead of its neighbour's.
    const double advance = pens[i + 1] - pens[i];
    const Vec slotMiddle = baseline + (pens[i] + advance / 2.0) * frame.along;
    const Vec pen = slotMiddle + (-advance / 2.0) * frame.glyphAlong;
    if (!MayTouch(clip, pen, reach + advance)) continue;
    BlendCoverage(target, clip, font.glyph(chars[i].code, frame.glyphAngle), RoundCoord(pen.x),
                  RoundCoord(pen.y), state.color);
  }

  const DecorationLine under = font.underline();
  const DecorationLine strike = font.strikeOut();
  auto band = [&](double from, double length, const DecorationLine& line) {
    PaintBand(target, clip, frame, baseline + from * frame.along, length, line.offset,
              line.thickness, state.color, font.antialiased(), font.library());
  };
  if (lf.underline) band(0, width, under);
  if (lf.strikeOut) band(0, width, strike);
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (chars[i].underlined && !lf.underline) band(pens[i], pens[i + 1] - pens[i], under);
  }
}

}  // namespace glavo::text
