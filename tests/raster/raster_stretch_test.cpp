#include "raster/raster_stretch.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/sim/soft_dc.h"

namespace glavo::raster {
namespace {

// Every source pixel is unique: 0x00YYXX10 encodes its position.
Pixel Marker(int x, int y) { return static_cast<Pixel>(0x10 | (x << 8) | (y << 16)); }
int MarkX(Pixel p) { return static_cast<int>((p >> 8) & 0xFF); }
int MarkY(Pixel p) { return static_cast<int>((p >> 16) & 0xFF); }

Bitmap MarkedSource(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.at(x, y) = Marker(x, y);
  return b;
}

constexpr Pixel kUntouched = 0x00FFFFFF;

// Source column read by each destination column of row `row` (-1: untouched).
std::vector<int> ColumnsOf(const Bitmap& b, int row) {
  std::vector<int> out;
  for (int x = 0; x < b.width(); ++x)
    out.push_back(b.at(x, row) == kUntouched ? -1 : MarkX(b.at(x, row)));
  return out;
}
std::vector<int> RowsOf(const Bitmap& b, int column) {
  std::vector<int> out;
  for (int y = 0; y < b.height(); ++y)
    out.push_back(b.at(column, y) == kUntouched ? -1 : MarkY(b.at(column, y)));
  return out;
}

// A marked sw x sh source copied onto an untouched tw x th target.
Bitmap Blit(int tw, int th, BlitRect to, int sw, int sh, BlitRect from, int mode = 1) {
  Bitmap target(tw, th, kUntouched);
  StretchCopy(target, to, MarkedSource(sw, sh), from, mode, ColorAdjustment{});
  return target;
}

TEST(RasterStretch, NegativeExtentsMirrorAndUnequalOnesRepeat) {
  // The cell's mirrored copy: destination left W - 1, width -W.
  const Bitmap b = Blit(11, 1, {8, 0, -9, 1}, 9, 1, {0, 0, 9, 1});
  EXPECT_EQ(ColumnsOf(b, 0), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0, -1, -1}));
  // The cell's upside-down copy: top H - 1, height -H - 1 covers rows
  // -1..H-1 and loses the last source row.
  EXPECT_EQ(RowsOf(Blit(1, 9, {0, 6, 1, -8}, 1, 7, {0, 0, 1, 7}), 0), (std::vector<int>{5, 4, 3, 3, 2, 1, 0, -1, -1}));
  // One wider repeats a middle column.
  EXPECT_EQ(ColumnsOf(Blit(11, 1, {0, 0, 10, 1}, 9, 1, {0, 0, 9, 1}), 0),
            (std::vector<int>{0, 1, 2, 3, 4, 4, 5, 6, 7, 8, -1}));
  // A mirrored source, and both extents negative.
  EXPECT_EQ(ColumnsOf(Blit(6, 1, {0, 0, 4, 1}, 4, 1, {3, 0, -4, 1}), 0), (std::vector<int>{3, 2, 1, 0, -1, -1}));
  // Two negative extents cancel: no mirror, each covers origin - 3 .. origin.
  EXPECT_EQ(ColumnsOf(Blit(6, 1, {4, 0, -4, 1}, 6, 1, {5, 0, -4, 1}), 0), (std::vector<int>{-1, 2, 3, 4, 5, -1}));
  // Shrinking keeps the last column and the first row of each run.
  const Bitmap shrunk = Blit(5, 4, {0, 0, 5, 4}, 9, 7, {0, 0, 9, 7}, kStretchColorOnColor);
  EXPECT_EQ(ColumnsOf(shrunk, 0), (std::vector<int>{1, 3, 4, 6, 8}));
  EXPECT_EQ(RowsOf(shrunk, 0), (std::vector<int>{0, 2, 4, 5}));
}

TEST(RasterStretch, SourceOutsideItsSurfaceLeavesOrSlidesTheDestination) {
  // Source columns 1, 0, -1, -2 mirrored onto 3 columns at 7: only column 1
  // exists, and GDI places it at the far end instead of mirroring it.
  const Bitmap b = Blit(12, 10, {7, 8, 3, 2}, 13, 11, {1, 0, -4, 1});
  EXPECT_EQ(ColumnsOf(b, 8), (std::vector<int>{-1, -1, -1, -1, -1, -1, -1, -1, -1, 1, -1, -1}));
  EXPECT_EQ(ColumnsOf(b, 9), ColumnsOf(b, 8));
  // Unmirrored, what lies outside leaves the destination as it was.
  EXPECT_EQ(ColumnsOf(Blit(6, 1, {0, 0, 6, 1}, 4, 1, {-2, 0, 6, 1}), 0), (std::vector<int>{-1, -1, 0, 1, 2, 3}));
}

TEST(RasterStretch, BlackOnWhiteShrinkAndsTheDroppedPixels) {
  Bitmap source(2, 1);
  source.at(0, 0) = 0x00F0F00F;
  source.at(1, 0) = 0x003CFF3C;
  Bitmap target(1, 1, kUntouched);
  StretchCopy(target, {0, 0, 1, 1}, source, {0, 0, 2, 1}, 1, ColorAdjustment{});
  EXPECT_EQ(target.at(0, 0), 0x0030F00Cu);
  StretchCopy(target, {0, 0, 1, 1}, source, {0, 0, 2, 1}, 2, ColorAdjustment{});
  EXPECT_EQ(target.at(0, 0), 0x00FCFF3Fu);
}

TEST(RasterStretch, CopyOntoItselfReadsTheSourceFirst) {
  Bitmap b = MarkedSource(6, 1);
  StretchCopy(b, {5, 0, -6, 1}, b, {0, 0, 6, 1}, 1, ColorAdjustment{});
  EXPECT_EQ(ColumnsOf(b, 0), (std::vector<int>{5, 4, 3, 2, 1, 0}));
  Bitmap shifted = MarkedSource(6, 1);
  StretchCopy(shifted, {1, 0, 5, 1}, shifted, {0, 0, 5, 1}, 1, ColorAdjustment{});
  EXPECT_EQ(ColumnsOf(shifted, 0), (std::vector<int>{0, 0, 1, 2, 3, 4}));
}

// A copy onto the same place skips the snapshot; it must give exactly what a
// copy from a separate, identical source gives, in every mode.
TEST(RasterStretch, CopyOntoTheSamePlaceEqualsACopyFromASeparateSource) {
  ColorAdjustment ca;
  ca.brightness = 37;
  const BlitRect places[] = {{0, 0, 7, 5}, {2, 1, 4, 3}, {-3, -2, 12, 9}, {6, 4, 5, 5}};
  for (int mode : {1, kStretchColorOnColor, kStretchHalftone}) {
    for (const BlitRect& r : places) {
      Bitmap same = MarkedSource(7, 5);
      Bitmap viaCopy = MarkedSource(7, 5);
      const Bitmap separate = MarkedSource(7, 5);
      StretchCopy(same, r, same, r, mode, ca);
      StretchCopy(viaCopy, r, separate, r, mode, ca);
      EXPECT_EQ(same.pixels(), viaCopy.pixels()) << "mode " << mode << " at " << r.x << "," << r.y;
    }
  }
}

TEST(RasterStretch, ZeroAndHugeExtentsAreHarmless) {
  Bitmap b = Blit(4, 4, {0, 0, 0, 4}, 4, 4, {0, 0, 4, 4});
  EXPECT_EQ(ColumnsOf(b, 0), (std::vector<int>{-1, -1, -1, -1}));
  b = Blit(4, 1, {-2000000000, 0, 2100000000, 1}, 4, 1, {0, 0, 4, 1});
  EXPECT_EQ(ColumnsOf(b, 0), (std::vector<int>{3, 3, 3, 3}));
}

// Brightness in HALFTONE mode: an additive shift of brightness * 255 / 100.
Pixel Adjust(Pixel in, int brightness, int mode = kStretchHalftone) {
  Bitmap b(1, 1, in);
  ColorAdjustment ca;
  ca.brightness = static_cast<std::int16_t>(brightness);
  StretchCopy(b, {0, 0, 1, 1}, b, {0, 0, 1, 1}, mode, ca);
  return b.at(0, 0);
}

TEST(HalftoneBrightness, ShiftsEveryChannelClampsAndKeepsAlphaOnlyInHalftone) {
  EXPECT_EQ(Adjust(0x80406080, 0), 0x80406080u);
  EXPECT_EQ(Adjust(0x80406080, 20), 0x807393B3u);   // +51
  EXPECT_EQ(Adjust(0x00406080, -20), 0x000D2D4Du);  // -51
  EXPECT_EQ(Adjust(0x00406080, 50), 0x00C0E0FFu);   // +128, clamped at 255
  // The extremes clamp to white and black.
  EXPECT_EQ(Adjust(0x00010203, 100), 0x00FFFFFFu);
  EXPECT_EQ(Adjust(0x00FEFDFC, -100), 0x00000000u);
  // Other modes ignore the adjustment.
  EXPECT_EQ(Adjust(0x00406080, 50, kStretchColorOnColor), 0x00406080u);
  EXPECT_EQ(Adjust(0x00406080, -50, 1), 0x00406080u);
}

TEST(SoftDcStretch, DeviceContextUsesItsModeAndAdjustment) {
  sim::SoftGdi gdi;
  Bitmap b(2, 1, 0x00404040);
  sim::SoftDc dc(b, gdi);
  ColorAdjustment ca = dc.getColorAdjustment();
  ca.brightness = 100;
  dc.setColorAdjustment(ca);
  EXPECT_TRUE(dc.stretchBlt(0, 0, 1, 1, dc, 0, 0, 1, 1, kSrcCopy));
  EXPECT_EQ(b.at(0, 0), 0x00404040u);  // BLACKONWHITE: no adjustment
  // In HALFTONE mode the adjustment applies to the copied rectangle only:
  // AdjustPictureBrightness.ChangesOnlyItsRectangle, through this context.
  EXPECT_FALSE(dc.stretchBlt(0, 0, 1, 1, dc, 0, 0, 1, 1, 0x00EE0086u));  // only SRCCOPY
}


// Row copies (and the brightness table) must give exactly what the
// per-pixel walk gives, for any geometry, mode, brightness and overlap.
TEST(RasterStretchPaths, RowCopiesAgreeWithThePerPixelWalk) {
  std::mt19937 rng(777);
  auto pick = [&](int lo, int hi) { return lo + static_cast<int>(rng() % (hi - lo + 1)); };
  for (int round = 0; round < 3000; ++round) {
    const bool wide = round % 4 == 1;  // long rows carry recorded spans
    Bitmap source(wide ? pick(64, 90) : pick(1, 24), pick(1, 16));
    for (Pixel& p : source.pixels()) p = static_cast<Pixel>(rng());
    for (int y = 0; wide && y < source.height(); ++y) {
      const int left = pick(0, 12);
      source.fillSpan(y, left, source.width() - pick(0, 12), static_cast<Pixel>(rng()));
      if (y % 2) source.set(pick(0, source.width() - 1), y, static_cast<Pixel>(rng()));
      if (y % 3 == 2) source.fillRow(y, static_cast<Pixel>(rng()));  // a whole row filled
    }
    const int reach = wide ? 100 : 26, sw = source.width();
    BlitRect to{pick(-6, 20), pick(-6, 14), pick(-reach, reach), pick(-18, 18)};
    BlitRect from{pick(-6, 20), pick(-6, 14), pick(-reach, reach), pick(-18, 18)};
    if (wide && round % 8 == 1) {  // whole rows, one wider or mirrored, as a cell's copy
      to = rng() % 2 ? BlitRect{0, 0, sw + pick(0, 1), pick(1, 18)} : BlitRect{sw - 1, 0, -sw - pick(0, 1), pick(1, 18)};
      from = BlitRect{0, pick(0, 2), sw, pick(1, 16)};
    }
    if (round % 5 == 2) {  // the same size, as the window an arc is drawn in
      from.width = to.width;
      from.height = to.height;
    }
    const bool sameWholeRows = round % 12 == 5;  // whole rows at the same size
    if (sameWholeRows) {
      to = BlitRect{0, pick(-2, 4), sw, pick(1, 18)};
      from = BlitRect{0, pick(-2, 4), sw, to.height};
    }
    const int mode = pick(1, 4);
    ColorAdjustment adjust;
    adjust.brightness = static_cast<std::int16_t>(pick(-120, 120));
    const bool self = round % 3 == 0;
    Bitmap fast = self ? source : Bitmap(wide ? (round % 8 == 1 || sameWholeRows ? sw : pick(60, 100)) : pick(1, 24), pick(1, 16), 0x00ABCDEF);
    Bitmap slow = fast;
    StretchCopy(fast, to, self ? fast : source, from, mode, adjust, StretchPath::kFast);
    StretchCopy(slow, to, self ? slow : source, from, mode, adjust, StretchPath::kPerPixel);
    ASSERT_EQ(fast.pixels(), slow.pixels()) << "round " << round;
  }
}

}  // namespace
}  // namespace glavo::raster
