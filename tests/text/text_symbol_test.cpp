// The caption-button glyphs of the built-in "Webdings" symbol face, and the
// portable rasteriser every backend draws them with.
#include "text/symbol_glyphs.h"

#include "text/symbol_coverage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "text/text_renderer.h"
#include "raster_art.h"
#include "text_ink.h"

namespace glavo::text {
namespace {

using raster::testing::Art;
using raster::testing::Rows;
using testing::Face;
using testing::HasInk;
using testing::InkBox;
using testing::InkSheet;

constexpr char16_t kMinimize = 48;
constexpr char16_t kMaximize = 49;
constexpr char16_t kRestore = 50;
constexpr char16_t kClose = 114;

// A caption button: the glyph centred in a square cell the way the cells do it.
raster::Bitmap Button(TextRenderer& tr, char16_t code, int em, int cell, int quality = 0) {
  InkSheet sheet(tr, cell, cell);
  sheet.draw(Face("Webdings", -em, quality), std::u16string(1, code), {0, 0, cell, cell},
             dt::kCenter | dt::kVCenter | dt::kSingleLine);
  return sheet.bitmap;
}

TEST(TextSymbolGlyphs, CodesAndPrivateUseAliases) {
  const std::pair<char32_t, char32_t> codes[] = {{48, 48}, {114, 114}, {0xF032, 50}, {51, 0}, {0xF072 + 0x100, 0}};
  for (auto [code, symbol] : codes) EXPECT_EQ(SymbolCode(code), symbol) << int(code);
  EXPECT_EQ(SymbolAdvance(65, 13), 0);
  EXPECT_TRUE(SymbolOutline(65, 13).empty());
  EXPECT_TRUE(SymbolOutline(48, 0).empty());
}

TEST(TextSymbolGlyphs, OutlinesStayInsideTheCharacterCell) {
  for (char32_t code : {48u, 49u, 50u, 114u}) {
    for (int em = 6; em <= 40; ++em) {
      const OutlineContours contours = SymbolOutline(code, em);
      ASSERT_FALSE(contours.empty());
      for (const auto& contour : contours) {
        for (const auto& p : contour) {
          EXPECT_GE(p.x, 0);
          EXPECT_LE(p.x, SymbolAdvance(code, em) * 64);
          EXPECT_GE(p.y, -kSymbolDescent * em * 64 - 32) << int(code) << " " << em;
          EXPECT_LE(p.y, kSymbolAscent * em * 64 + 32) << int(code) << " " << em;
        }
      }
    }
  }
}

// A rectangle in whole pixels, clockwise, y up.
std::vector<OutlinePoint> Square(long x0, long y0, long x1, long y1) {
  return {{x0 * 64, y0 * 64}, {x0 * 64, y1 * 64}, {x1 * 64, y1 * 64}, {x1 * 64, y0 * 64}};
}

int CoverageSum(const SymbolMask& m) {
  int sum = 0;
  for (std::uint8_t c : m.coverage) sum += c;
  return sum;
}

TEST(SymbolCoverage, WholePixelRectanglesFillExactlyTheirPixels) {
  for (bool aa : {false, true}) {
    const SymbolMask m = RasteriseContours({Square(1, -2, 4, 3)}, aa);
    EXPECT_EQ(m.left, 1);
    EXPECT_EQ(m.top, -3);  // five rows above the baseline's bottom two
    ASSERT_EQ(m.width, 3);
    ASSERT_EQ(m.height, 5);
    for (std::uint8_t c : m.coverage) EXPECT_EQ(c, 255) << aa;
  }
  EXPECT_TRUE(RasteriseContours({}, true).empty());
}

TEST(SymbolCoverage, OverlapsUniteAndOppositeWindingCutsHoles) {
  // Two overlapping squares: the shared pixels are covered once, not twice.
  const SymbolMask both = RasteriseContours({Square(0, 0, 4, 4), Square(2, 2, 6, 6)}, true);
  EXPECT_EQ(CoverageSum(both), (16 + 16 - 4) * 255);
  // A counter-clockwise square inside a clockwise one leaves a hole.
  std::vector<OutlinePoint> hole = Square(1, 1, 3, 3);
  std::reverse(hole.begin(), hole.end());
  const SymbolMask ring = RasteriseContours({Square(0, 0, 4, 4), hole}, false);
  ASSERT_EQ(ring.width, 4);
  EXPECT_EQ(ring.at(1, 1), 0);
  EXPECT_EQ(ring.at(2, 2), 0);
  EXPECT_EQ(ring.at(0, 0), 255);
  EXPECT_EQ(CoverageSum(ring), 12 * 255);
}

TEST(SymbolCoverage, PartialPixelsAreGreyOnlyWhenSmoothed) {
  // Half a pixel wide on the right: x from 0 to 2.5.
  const std::vector<OutlinePoint> strip{{0, 0}, {0, 64}, {160, 64}, {160, 0}};
  const SymbolMask smooth = RasteriseContours({strip}, true);
  ASSERT_EQ(smooth.width, 3);
  EXPECT_EQ(smooth.at(1, 0), 255);
  EXPECT_NEAR(smooth.at(2, 0), 128, 1);
  // The pixel centre (2.5) lies on the right edge, which is outside.
  const SymbolMask sharp = RasteriseContours({strip}, false);
  EXPECT_EQ(sharp.at(2, 0), 0);
  // A diagonal cuts its pixels in half.
  const std::vector<OutlinePoint> triangle{{0, 0}, {0, 4 * 64}, {4 * 64, 0}};
  const SymbolMask tri = RasteriseContours({triangle}, true);
  EXPECT_NEAR(CoverageSum(tri), 8 * 255, 4 * 8);
  EXPECT_NEAR(tri.at(3, 3), 128, 8);
  EXPECT_EQ(tri.at(0, 3), 255);
  EXPECT_EQ(tri.at(3, 0), 0);
}

TEST(SymbolCoverage, BoldWidensByOnePixelAndBlendingHitsBothEnds) {
  const SymbolMask plain = SymbolGlyph(kMaximize, 13, false, false);
  const SymbolMask bold = SymbolGlyph(kMaximize, 13, true, false);
  EXPECT_EQ(bold.width, plain.width + 1);
  EXPECT_GT(CoverageSum(bold), CoverageSum(plain));
  // {from, to, coverage, result}
  const int blends[][4] = {{10, 200, 255, 200}, {10, 200, 0, 10}, {200, 10, 128, 105}, {10, 200, 128, 105}};
  for (const auto& b : blends) EXPECT_EQ(BlendChannel(b[0], b[1], b[2]), b[3]) << b[0] << " " << b[1] << " " << b[2];
}

// The software renderer puts down exactly the portable coverage, so that any
// backend drawing the same masks matches it pixel for pixel.
TEST(TextSymbolFace, DrawsThePortableCoverage) {
  TextRenderer tr;
  for (int quality : {0, 4}) {
    for (char16_t code : {kMinimize, kMaximize, kRestore, kClose}) {
      InkSheet sheet(tr, 30, 30);
      sheet.draw(Face("Webdings", -16, quality), std::u16string(1, code), {5, 5, 30, 30}, 0);
      const SymbolMask m = SymbolGlyph(code, 16, false, quality == 4);
      const int ascent = 13;  // 0.8 of the em
      raster::Bitmap expected(30, 30, raster::PixelFromRgb(testing::kPaper));
      for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
          const int grey = BlendChannel(255, 0, m.at(x, y));
          expected.set(5 + m.left + x, 5 + ascent + m.top + y, raster::PixelFromRgb(MakeRgb(grey, grey, grey)));
        }
      }
      EXPECT_EQ(sheet.bitmap.pixels(), expected.pixels()) << int(code) << " q" << quality;
    }
  }
}

TEST(TextSymbolFace, ExistsWithoutAnInstalledFontInAnyCase) {
  TextRenderer tr;
  auto font = tr.createFont(Face("WEBDINGS", -13));
  EXPECT_EQ(tr.textExtent(*font, u"0").cx, 13);
  EXPECT_EQ(tr.textExtent(*font, u"r").cx, 13);
  EXPECT_EQ(tr.metrics(*font).height, 13);
  // That the four glyphs leave ink is GlyphsSitInsideTheButtonAndScale's.
  EXPECT_FALSE(HasInk(Button(tr, u'A', 13, 18)));
  // A positive height is the cell.
  auto cell = tr.createFont(Face("Webdings", 16));
  EXPECT_EQ(tr.metrics(*cell).height, 16);
  EXPECT_EQ(tr.textExtent(*cell, u"1").cx, 16);
}

TEST(TextSymbolFace, GlyphsSitInsideTheButtonAndScale) {
  TextRenderer tr;
  for (char16_t code : {kMinimize, kMaximize, kRestore, kClose}) {
    int previous = 0;
    for (int em = 9; em <= 16; ++em) {
      const Rect ink = InkBox(Button(tr, code, em, 20));
      EXPECT_EQ(Intersect(ink, Rect{2, 2, 18, 18}), ink) << int(code) << " " << em;  // inked, inside
      EXPECT_GE(ink.width(), previous) << int(code) << " " << em;
      previous = ink.width();
    }
    EXPECT_GT(previous, InkBox(Button(tr, code, 9, 20)).width()) << int(code);
  }
}

// Minimize, maximize, restore and close side by side, each centred in its
// 20-pixel button.
TEST(TextSymbolFace, ShapesReadAsTheirButtons) {
  TextRenderer tr;
  InkSheet sheet(tr, 80, 20);
  const char16_t codes[] = {kMinimize, kMaximize, kRestore, kClose};
  for (int i = 0; i < 4; ++i) {
    sheet.draw(Face("Webdings", -13), std::u16string(1, codes[i]), {20 * i, 0, 20 * i + 20, 20},
               dt::kCenter | dt::kVCenter | dt::kSingleLine);
  }
  EXPECT_EQ(Art(sheet.bitmap),
            Rows({{5, "................................................................................"},
                  ".........................#########..............######...........##.....##......",
                  ".........................#########..............######............##...##.......",
                  ".........................#.......#..............#....#.............##.##........",
                  ".........................#.......#...........######..#..............###.........",
                  ".........................#.......#...........######..#..............##..........",
                  ".........................#.......#...........#....####..............###.........",
                  ".........................#.......#...........#....#................##.##........",
                  "......######.............#.......#...........#....#...............##...##.......",
                  "......######.............#########...........######..............##.....##......",
                  {6, "................................................................................"}}));
}

}  // namespace
}  // namespace glavo::text
