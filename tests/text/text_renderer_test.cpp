// Fonts, metrics, extents and DrawText placement of the software text
// renderer, checked against the design metrics of the installed faces.
#include "text/text_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "text_ink.h"

namespace glavo::text {
namespace {

using testing::Colours;
using testing::Face;
using testing::HasInk;
using testing::InkBox;
using testing::InkCount;
using testing::InkSheet;
using testing::kPaper;

// Advance widths of "Hello World" in the 2048-unit design grid that Arial
// and its metric twin share: H e l l o space W o r l d.
constexpr int kHelloWorldAdvances[] = {1479, 1139, 455, 455, 1139, 569, 1933, 1139, 682, 455, 1139};

// Each advance scaled to `em` pixels and rounded, as GDI positions characters.
int HelloWorldWidth(int em) {
  int sum = 0;
  for (int units : kHelloWorldAdvances) sum += static_cast<int>(std::lround(units * em / 2048.0));
  return sum;
}

class TextTest : public ::testing::Test {
 protected:
  std::shared_ptr<const Font> Arial(int height, int quality = 0) {
    return tr.createFont(Face("Arial", height, quality));
  }
  // `text` in black on a fresh white w x h surface, drawn into `rect`.
  raster::Bitmap Drawn(const LogFont& lf, std::u16string_view text, int w, int h, Rect rect, unsigned format) {
    InkSheet sheet(tr, w, h);
    sheet.draw(lf, text, rect, format);
    return sheet.bitmap;
  }

  TextRenderer tr;
};
using TextFontHeight = TextTest;
using TextExtent = TextTest;
using TextDraw = TextTest;
using TextRotation = TextTest;
using TextRobustness = TextTest;
using TextFonts = TextTest;

TEST_F(TextFontHeight, NegativeIsEmPositiveIsCellZeroIsTheDefault) {
  const TextMetrics em = tr.metrics(*Arial(-13));
  const TextMetrics cell = tr.metrics(*Arial(13));
  EXPECT_EQ(cell.height, 13);
  EXPECT_EQ(em.height, 15);
  EXPECT_EQ(em.internalLeading, 2);  // height less the em
  // Windows-compatible ascent ratio: 1854 of 2288 units of the cell.
  EXPECT_EQ(em.ascent, 12);
  EXPECT_EQ(em.descent, 3);
  // Zero is a default cell, and sizes stay bounded.
  EXPECT_EQ(tr.metrics(*Arial(0)).height, 16);
  for (int h : {1, -1, 1 << 30, -(1 << 30), std::numeric_limits<int>::min()}) {
    const TextMetrics m = tr.metrics(*Arial(h));
    EXPECT_GE(m.height, 1) << h;
    EXPECT_LE(m.height, 2000) << h;
  }
}

TEST_F(TextFontHeight, InkScalesWithEm) {
  const raster::Bitmap small = Drawn(Face("Arial", 30), u"H", 100, 60, {0, 0, 100, 60}, 0);
  const raster::Bitmap large = Drawn(Face("Arial", -30), u"H", 100, 60, {0, 0, 100, 60}, 0);
  // Cap height is 0.716 em: em 30 gives 21 or 22 rows, cell 30 (em 27) fewer.
  EXPECT_NEAR(InkBox(large).height(), 21.5, 1);
  EXPECT_LT(InkBox(small).height(), InkBox(large).height());
}

TEST_F(TextExtent, MatchesTheFaceAdvancesAndAdds) {
  for (int em : {9, 13, 16, 1000}) {
    auto font = Arial(-em);
    EXPECT_EQ(tr.textExtent(*font, u"Hello World").cx, HelloWorldWidth(em)) << em;
  }
  const Size small = tr.textExtent(*Arial(-13, 4), u"Hello World");
  EXPECT_EQ(small.cx, HelloWorldWidth(13));
  EXPECT_EQ(small.cy, tr.metrics(*Arial(-13)).height);
  EXPECT_EQ(tr.textExtent(*Arial(-13), u"").cx, 0);
}

// Which file a name and style open is TextFaceMatcher's; the renderer's
// part is to ask for bold.
TEST_F(TextExtent, BoldIsWider) {
  LogFont bold = Face("Arial", -13);
  bold.weight = 700;
  EXPECT_GT(tr.textExtent(*tr.createFont(bold), u"Minimize").cx, tr.textExtent(*Arial(-13), u"Minimize").cx);
}

TEST_F(TextExtent, LogFontWidthStretchesTheAverageCharacter) {
  auto natural = Arial(-20);
  LogFont wide = Face("Arial", -20);
  wide.width = 2 * tr.metrics(*natural).averageCharWidth;
  auto stretched = tr.createFont(wide);
  EXPECT_EQ(tr.metrics(*stretched).averageCharWidth, wide.width);
  EXPECT_EQ(tr.metrics(*stretched).height, tr.metrics(*natural).height);
  const double ratio = double(tr.textExtent(*stretched, u"Stretched text").cx) /
                       tr.textExtent(*natural, u"Stretched text").cx;
  EXPECT_NEAR(ratio, 2.0, 0.15);
}

TEST_F(TextDraw, NonLatinAndFallbackGlyphsLeaveInk) {
  EXPECT_TRUE(HasInk(Drawn(Face("Arial", -13), u"\u0445", 40, 30, {0, 0, 40, 30}, 0)));
  // A character the sans face lacks comes from another face: a real glyph,
  // not the missing-glyph box that a character no face has gets.
  const raster::Bitmap king = Drawn(Face("Arial", -13), u"\u2654", 40, 30, {0, 0, 40, 30}, 0);  // DejaVu
  EXPECT_TRUE(HasInk(king));
  EXPECT_FALSE(king.pixels() == Drawn(Face("Arial", -13), u"\U0010FFFD", 40, 30, {0, 0, 40, 30}, 0).pixels());
}

TEST_F(TextDraw, AntialiasedOnlyForQualityFour) {
  const raster::Bitmap aa = Drawn(Face("Arial", -13, 4), u"Glavo Skin", 120, 30, {0, 0, 120, 30}, 0);
  EXPECT_GT(Colours(aa).size(), 4u);
  for (int quality : {0, 3, 5}) {
    const raster::Bitmap mono = Drawn(Face("Arial", -13, quality), u"Glavo Skin", 120, 30, {0, 0, 120, 30}, 0);
    EXPECT_EQ(Colours(mono), (std::set<Rgb>{0, kPaper})) << quality;
  }
}

TEST_F(TextDraw, TextColourAndAlphaByte) {
  InkSheet sheet(tr, 60, 30);
  sheet.state.color = MakeRgb(200, 10, 30);
  sheet.draw(Face("Arial", -16), u"W", {0, 0, 60, 30}, 0);
  EXPECT_EQ(Colours(sheet.bitmap), (std::set<Rgb>{MakeRgb(200, 10, 30), kPaper}));
  for (raster::Pixel p : sheet.bitmap.pixels()) EXPECT_EQ(p >> 24, 0u);  // as GDI leaves it
}

TEST_F(TextDraw, WordBreakCalcRectAndLineStacking) {
  auto font = Arial(-13);
  const int lineH = tr.metrics(*font).height;
  const int wordW = tr.textExtent(*font, u"Close").cx;
  raster::Bitmap b(200, 100, raster::PixelFromRgb(kPaper));
  Rect r{10, 5, 10 + wordW + 3, 100};
  const int h = tr.drawText(b, {0, 0, 200, 100}, *font, u"Close Close Close", r,
                            dt::kWordBreak | dt::kCalcRect, raster::TextState{});
  EXPECT_EQ(h, 3 * lineH);
  EXPECT_EQ(r, (Rect{10, 5, 10 + wordW, 5 + 3 * lineH}));
  EXPECT_FALSE(testing::HasInk(b));  // measuring never draws
  // Drawn, the lines stack by the line height.
  Rect draw{10, 5, 10 + wordW + 3, 100};
  tr.drawText(b, {0, 0, 200, 100}, *font, u"Close Close Close", draw, dt::kWordBreak, raster::TextState{});
  for (int line = 0; line < 3; ++line) {
    EXPECT_GT(InkCount(b, {0, 5 + line * lineH, 200, 5 + (line + 1) * lineH}), 0) << line;
  }
  EXPECT_EQ(InkCount(b, {0, 5 + 3 * lineH, 200, 100}), 0);
  // Empty text measures nothing.
  Rect none{3, 4, 50, 60};
  EXPECT_EQ(tr.drawText(b, {0, 0, 200, 100}, *font, u"", none, dt::kCalcRect, raster::TextState{}), 0);
  EXPECT_EQ(none, (Rect{3, 4, 3, 4}));

  Rect wide{0, 0, 1000, 0};
  EXPECT_EQ(tr.drawText(b, {0, 0, 200, 100}, *font, u"a\r\nbb\ncc", wide, dt::kCalcRect,
                        raster::TextState{}),
            3 * lineH);
  EXPECT_EQ(wide.right, tr.textExtent(*font, u"bb").cx);
}

TEST_F(TextDraw, PrefixUnderlinesOneCharacter) {
  auto font = Arial(-16);
  const TextMetrics tm = tr.metrics(*font);
  const int fWidth = tr.textExtent(*font, u"F").cx;
  raster::Bitmap plain = Drawn(Face("Arial", -16), u"File", 120, 40, {0, 0, 120, 40}, 0);
  const raster::Bitmap marked = Drawn(Face("Arial", -16), u"&File", 120, 40, {0, 0, 120, 40}, 0);
  const Rect below{0, tm.ascent + 1, 120, tm.height};
  EXPECT_EQ(InkCount(plain, below), 0);
  EXPECT_GE(InkCount(marked, {0, tm.ascent + 1, fWidth, tm.height}), fWidth);
  EXPECT_EQ(InkCount(marked, {fWidth, tm.ascent + 1, 120, tm.height}), 0);
  // DT_NOPREFIX keeps the text as it is; "&&" as one ampersand is
  // TextPrefix.AmpersandRules'.
  Rect r2{0, 0, 500, 0};
  tr.drawText(plain, {0, 0, 120, 40}, *font, u"&File", r2, dt::kCalcRect | dt::kNoPrefix, raster::TextState{});
  EXPECT_EQ(r2.right, tr.textExtent(*font, u"&File").cx);
}

TEST_F(TextDraw, HorizontalAlignment) {
  auto font = Arial(-13);
  const int w = tr.textExtent(*font, u"IIII").cx;
  const Rect rect{20, 0, 180, 30};
  for (unsigned flag : {dt::kLeft, dt::kCenter, dt::kRight}) {
    const Rect ink = InkBox(Drawn(Face("Arial", -13), u"IIII", 200, 30, rect, flag));
    const int start = flag == dt::kLeft     ? rect.left
                      : flag == dt::kCenter ? rect.left + (rect.width() - w) / 2
                                            : rect.right - w;
    EXPECT_GE(ink.left, start) << flag;
    EXPECT_LE(ink.right, start + w) << flag;
    EXPECT_LE(ink.left - start + (start + w - ink.right), 4) << flag;
  }
}

TEST_F(TextDraw, VerticalPlacementOnlyForSingleLines) {
  auto font = Arial(-13);
  const int lineH = tr.metrics(*font).height;
  const Rect rect{0, 10, 100, 70};
  InkSheet centred(tr, 100, 80);
  const int hc = centred.draw(Face("Arial", -13), u"Xx", rect, dt::kVCenter | dt::kSingleLine);
  const int top = rect.top + (rect.height() - lineH) / 2;
  EXPECT_EQ(hc, top - rect.top + lineH);
  EXPECT_GE(InkBox(centred.bitmap).top, top);
  EXPECT_LE(InkBox(centred.bitmap).bottom, top + lineH);

  InkSheet bottom(tr, 100, 80);
  EXPECT_EQ(bottom.draw(Face("Arial", -13), u"Xx", rect, dt::kBottom | dt::kSingleLine), rect.height());
  EXPECT_GE(InkBox(bottom.bitmap).top, rect.bottom - lineH);

  // Without DT_SINGLELINE, DT_VCENTER has no effect (the captions rely on it).
  InkSheet multi(tr, 100, 80);
  EXPECT_EQ(multi.draw(Face("Arial", -13), u"Xx", rect, dt::kVCenter | dt::kWordBreak), lineH);
  EXPECT_LT(InkBox(multi.bitmap).bottom, rect.top + lineH + 1);
}

TEST_F(TextDraw, ClipsToTheRectangleUnlessNoClip) {
  const Rect rect{10, 10, 30, 20};
  const Rect ink = InkBox(Drawn(Face("Arial", -20), u"Clipped text", 120, 50, rect, 0));
  EXPECT_EQ(Intersect(ink, rect), ink) << "no ink, or ink outside the rectangle";

  const raster::Bitmap free = Drawn(Face("Arial", -20), u"Clipped text", 120, 50, rect, dt::kNoClip);
  EXPECT_GT(InkBox(free).right, rect.right + 40);

  // The surface's own clip applies even with DT_NOCLIP.
  raster::Bitmap b(120, 50, raster::PixelFromRgb(kPaper));
  Rect r = rect;
  auto font = Arial(-20);
  tr.drawText(b, {0, 0, 40, 50}, *font, u"Clipped text", r, dt::kNoClip, raster::TextState{});
  EXPECT_LE(InkBox(b).right, 40);
}

TEST_F(TextDraw, OpaqueModeFillsTheTextCells) {
  auto font = Arial(-13);
  const Size ext = tr.textExtent(*font, u"ab");
  InkSheet sheet(tr, 100, 40);
  sheet.state.bkMode = kBkOpaque;
  sheet.state.bkColor = MakeRgb(0, 0, 255);
  sheet.state.color = MakeRgb(255, 255, 0);
  sheet.draw(Face("Arial", -13), u"ab", {5, 6, 100, 40}, 0);
  EXPECT_EQ(InkBox(sheet.bitmap), (Rect{5, 6, 5 + ext.cx, 6 + ext.cy}));
  EXPECT_EQ(raster::RgbFromPixel(sheet.bitmap.at(5, 6)), MakeRgb(0, 0, 255));
}

TEST_F(TextDraw, UnderlineAndStrikeOutFollowTheFace) {
  LogFont under = Face("Arial", -16);
  under.underline = true;
  LogFont strike = Face("Arial", -16);
  strike.strikeOut = true;
  const TextMetrics tm = tr.metrics(*tr.createFont(under));
  const int w = tr.textExtent(*tr.createFont(under), u"ooo").cx;
  const raster::Bitmap u = Drawn(under, u"ooo", 80, 40, {0, 0, 80, 40}, 0);
  EXPECT_EQ(InkCount(u, {0, tm.ascent + 1, 80, tm.height}), w);  // one full row
  const raster::Bitmap s = Drawn(strike, u"   ", 80, 40, {0, 0, 80, 40}, 0);
  const Rect line = InkBox(s);
  EXPECT_EQ(line.height(), 1);
  EXPECT_EQ(line.width(), tr.textExtent(*tr.createFont(strike), u"   ").cx);
  EXPECT_LT(line.top, tm.ascent);
  EXPECT_GT(line.top, tm.ascent - 16 / 2);
}

TEST_F(TextDraw, ItalicLeansToTheRight) {
  LogFont italic = Face("Arial", -30);
  italic.italic = true;
  const raster::Bitmap upright = Drawn(Face("Arial", -30), u"l", 60, 50, {10, 0, 60, 50}, 0);
  const raster::Bitmap slanted = Drawn(italic, u"l", 60, 50, {10, 0, 60, 50}, 0);
  EXPECT_GT(InkBox(slanted).width(), InkBox(upright).width() + 3);
}

TEST_F(TextRotation, EscapementTurnsTheLine) {
  LogFont up = Face("Arial", -16);
  up.escapement = 900;
  auto font = tr.createFont(up);
  const int w = tr.textExtent(*font, u"Rotated").cx;
  const int h = tr.metrics(*font).height;
  const raster::Bitmap sheet = Drawn(up, u"Rotated", 100, 120, {20, 100, 120, 120}, dt::kNoClip);
  const Rect ink = InkBox(sheet);
  // Reading upwards from (20, 100): the cell's top edge lies on x = 20.
  EXPECT_GE(ink.left, 20);
  EXPECT_LE(ink.right, 20 + h);
  EXPECT_LE(ink.bottom, 101);
  EXPECT_NEAR(ink.top, 100 - w, 3);
}

TEST_F(TextRotation, VerticalCaptionInAdvancedMode) {
  // The cell's vertical caption: reversed text, escapement -900 and
  // orientation -2700 in the advanced graphics mode, read bottom to top.
  LogFont lf = Face("Arial", -13, 4);
  lf.escapement = -900;
  lf.orientation = -2700;
  auto font = tr.createFont(lf);
  const int w = tr.textExtent(*font, u"Caption").cx;
  const int h = tr.metrics(*font).height;
  InkSheet sheet(tr, 60, 120);
  sheet.state.graphicsMode = kGmAdvanced;
  sheet.draw(lf, u"noitpaC", {10, 20, 60, 120}, 0);
  const Rect ink = InkBox(sheet.bitmap);
  EXPECT_EQ(Intersect(ink, Rect{10, 20, 10 + h, 20 + w}), ink);
  EXPECT_GT(ink.height(), w - 4);
  // An "L" read bottom to top: its stem lies along the bottom, its foot
  // up the right-hand side.
  LogFont plain = lf;
  plain.quality = 0;
  InkSheet ell(tr, 60, 60);
  ell.state.graphicsMode = kGmAdvanced;
  ell.draw(plain, u"L", {10, 10, 60, 60}, 0);
  const Rect box = InkBox(ell.bitmap);
  EXPECT_EQ(InkCount(ell.bitmap, {box.left, box.bottom - 1, box.right, box.bottom}), box.width());
  EXPECT_EQ(InkCount(ell.bitmap, {box.right - 1, box.top, box.right, box.bottom}), box.height());
  EXPECT_LE(InkCount(ell.bitmap, {box.left, box.top, box.right, box.top + 1}), 2);

  // The same font in the compatible mode turns the glyphs with the line.
  const raster::Bitmap compat = Drawn(lf, u"noitpaC", 60, 120, {10, 20, 60, 120}, dt::kNoClip);
  EXPECT_LT(InkBox(compat).left, 10);
}

TEST_F(TextRobustness, BadInputNeverCrashes) {
  auto font = Arial(-13, 4);
  raster::Bitmap b(30, 20, raster::PixelFromRgb(kPaper));
  const std::u16string lone{char16_t(0xD83D), u'a', char16_t(0xDE00)};
  for (std::u16string_view text : {std::u16string_view(u""), std::u16string_view(lone),
                                   std::u16string_view(u"&"), std::u16string_view(u"\r\n\r\n")}) {
    for (Rect r : {Rect{-1000, -1000, -900, -900}, Rect{5, 5, 0, 0}, Rect{0, 0, 30, 20},
                   Rect{-2000000000, -2000000000, 2000000000, 2000000000}}) {
      tr.drawText(b, {0, 0, 30, 20}, *font, text, r, dt::kWordBreak | dt::kCenter, raster::TextState{});
    }
  }
  raster::Bitmap empty;
  Rect r{0, 0, 10, 10};
  EXPECT_GT(tr.drawText(empty, {0, 0, 0, 0}, *font, u"x", r, 0, raster::TextState{}), 0);
  LogFont huge = Face("Arial", -1000000, 4);
  huge.escapement = 450;
  Rect hr{0, 0, 30, 20};
  tr.drawText(b, {0, 0, 30, 20}, *tr.createFont(huge), u"W", hr, 0, raster::TextState{});
  EXPECT_EQ(tr.textExtent(*font, lone).cy, tr.metrics(*font).height);
}

TEST_F(TextRobustness, LongTextLaysOutEveryLine) {
  auto font = Arial(-13);
  std::u16string text;
  for (int i = 0; i < 20000; ++i) text += u"word ";
  raster::Bitmap b(100, 50, raster::PixelFromRgb(kPaper));
  Rect r{0, 0, 100, 50};
  const int lines = tr.drawText(b, {0, 0, 100, 50}, *font, text, r, dt::kWordBreak, raster::TextState{}) /
                    tr.metrics(*font).height;
  const int perLine = 100 / tr.textExtent(*font, u"word ").cx;
  EXPECT_NEAR(lines, 20000 / perLine, 20000 / perLine / 10);
  EXPECT_EQ(tr.textExtent(*font, text).cx, 20000 * tr.textExtent(*font, u"word ").cx);
}

TEST_F(TextFonts, CachedPerDescriptionAndDefaultIsUsable) {
  EXPECT_EQ(Arial(-13), Arial(-13));
  EXPECT_NE(Arial(-13), Arial(-14));
  auto def = tr.defaultFont();
  EXPECT_EQ(tr.metrics(*def).height, 16);
  EXPECT_GT(tr.textExtent(*def, u"System").cx, 0);
}

}  // namespace
}  // namespace glavo::text
