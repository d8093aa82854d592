// A mask's opaque runs: which pixels they cover, and when a surface's runs
// are worked out again and reported as changed.
#include "runtime/opaque_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "runtime/mask_runs.h"

namespace glavo {
namespace {

constexpr Rgb kKey = 0x00FF00;            // the key colour, 0xBBGGRR
constexpr std::uint32_t kKeyPixel = 0x00FF00;  // the same colour as a picture pixel
constexpr Rgb kRedKey = 0x0000FF;         // red as Rgb: stored 0xFF0000 in a picture

// Every pixel of the area is covered exactly once if opaque, never if
// transparent; an area without a transparent pixel has no rectangles.
void ExpectMatchesPixels(const Picture& mask, int width, int height) {
  const std::vector<Rect> rects = OpaqueRuns(&mask, kKey, width, height);
  std::vector<int> want(static_cast<std::size_t>(width) * height, 1), hits(want.size(), 0);
  for (int y = 0; y < std::min(height, mask.height()); ++y) {
    for (int x = 0; x < std::min(width, mask.width()); ++x) {
      want[static_cast<std::size_t>(y) * width + x] = (mask.pixel(x, y) & 0xFFFFFFu) != kKeyPixel;
    }
  }
  if (std::count(want.begin(), want.end(), 0) == 0) want.assign(want.size(), 0);
  for (const Rect& r : rects) {
    ASSERT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height);
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) ++hits[static_cast<std::size_t>(y) * width + x];
    }
  }
  EXPECT_EQ(hits, want) << width << "x" << height;
}

Picture RandomMask(std::mt19937& random, int w, int h) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0xFFFFFFFFu);
  // Blocks of repeated rows (the common case) with transparent notches,
  // alpha noise on opaque pixels, and now and then a key pixel whose
  // alpha byte differs (still transparent: alpha is not part of the key).
  int y = 0;
  while (y < h) {
    const int rows = 1 + static_cast<int>(random() % 6);
    std::vector<std::uint32_t> row(w, 0xFFFFFFFFu);
    const int notches = static_cast<int>(random() % 4);
    for (int n = 0; n < notches; ++n) {
      const int a = static_cast<int>(random() % w), b = a + static_cast<int>(random() % (w - a + 1));
      for (int x = a; x < b; ++x) row[x] = kKeyPixel | (random() % 3 == 0 ? 0x7F000000u : 0xFF000000u);
    }
    for (int r = 0; r < rows && y < h; ++r, ++y) {
      std::copy(row.begin(), row.end(), pixels.begin() + static_cast<std::ptrdiff_t>(y) * w);
      if (random() % 5 == 0) pixels[static_cast<std::size_t>(y) * w + random() % w] ^= 0x01000000u;
    }
  }
  return Picture(PictureType::kBitmap, w, h, std::move(pixels));
}

TEST(OpaqueRuns, RandomMasksCoverExactlyTheOpaquePixels) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const int w = 1 + static_cast<int>(random() % 40), h = 1 + static_cast<int>(random() % 40);
    const Picture mask = RandomMask(random, w, h);
    // The area may be smaller or larger than the picture in either direction.
    const int width = std::max(1, w + static_cast<int>(random() % 11) - 5);
    const int height = std::max(1, h + static_cast<int>(random() % 11) - 5);
    ExpectMatchesPixels(mask, width, height);
    if (HasFailure()) return;
  }
}

// The same mask with its one-value rows and spans given as row fills (their
// pixels left as garbage) has the same runs and the same pixels.
TEST(OpaqueRuns, RowFillsGiveTheSameRunsAsTheirPixels) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    const int w = 1 + static_cast<int>(random() % 30), h = 1 + static_cast<int>(random() % 30);
    const Picture plain = RandomMask(random, w, h);
    std::vector<std::uint32_t> pixels = plain.pixels();
    RowFills fills;
    fills.reset(h);
    for (int y = 0; y < h; ++y) {
      if (random() % 4 == 0) {  // a wholly keyed row
        std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * w, w, kKeyPixel);
      }
      const std::uint32_t first = pixels[static_cast<std::size_t>(y) * w];
      const bool uniform = std::all_of(pixels.begin() + static_cast<std::ptrdiff_t>(y) * w,
                                       pixels.begin() + static_cast<std::ptrdiff_t>(y + 1) * w,
                                       [&](std::uint32_t p) { return p == first; });
      std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * w;
      if (!uniform) {  // the longest run of one value becomes a span
        int best = 0, bestLength = 0;
        for (int x = 0, start = 0; x <= w; ++x) {
          if (x < w && row[x] == row[start]) continue;
          if (x - start > bestLength) best = start, bestLength = x - start;
          start = x;
        }
        if (random() % 2 == 0) continue;
        fills.setSpan(y, RowSpan{best, best + bestLength, row[best]});
        std::fill_n(row + best, bestLength, 0x12345678u);
        continue;
      }
      if (random() % 3 == 0) continue;
      fills.set(y, first);
      std::fill_n(row, w, 0x12345678u);
    }
    std::vector<std::uint32_t> written = pixels;
    for (int y = 0; y < h; ++y) {
      RowSpan span;
      if (fills.span(y, span, w)) {
        std::fill(written.begin() + static_cast<std::ptrdiff_t>(y) * w + span.left,
                  written.begin() + static_cast<std::ptrdiff_t>(y) * w + span.right, span.value);
      }
    }
    const Picture lazy(PictureType::kBitmap, w, h, std::move(pixels), fills);
    const Picture full(PictureType::kBitmap, w, h, std::move(written));
    const int width = std::max(1, w + static_cast<int>(random() % 7) - 3);
    const int height = std::max(1, h + static_cast<int>(random() % 7) - 3);
    ASSERT_EQ(OpaqueRuns(&lazy, kKey, width, height), OpaqueRuns(&full, kKey, width, height)) << "round " << round;
    for (int y = 0; y < h; ++y) ASSERT_EQ(lazy.pixel(y % w, y), full.pixel(y % w, y));
    ASSERT_EQ(lazy.pixels(), full.pixels());
  }
}

TEST(OpaqueRuns, RoundedShapeIsAFewBandsAndTheKeyIsReadAsAColour) {
  // A 200x100 white picture with its four 3x3 corners red: red is the key.
  const int w = 200, h = 100;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0xFFFFFFFFu);
  for (int y : {0, 1, 2, 97, 98, 99}) {
    for (int x : {0, 1, 2, 197, 198, 199}) pixels[static_cast<std::size_t>(y) * w + x] = 0xFFFF0000u;
  }
  const Picture mask(PictureType::kBitmap, w, h, std::move(pixels));
  const std::vector<Rect> rects = OpaqueRuns(&mask, kRedKey, w, h);
  ASSERT_EQ(rects.size(), 3u);  // the top band, the middle, the bottom band
  EXPECT_EQ(rects[0], (Rect{3, 0, 197, 3}));
  EXPECT_EQ(rects[1], (Rect{0, 3, 200, 97}));
  EXPECT_EQ(rects[2], (Rect{3, 97, 197, 100}));
  // Green is not in the picture: nothing is transparent, no region.
  EXPECT_TRUE(OpaqueRuns(&mask, kKey, w, h).empty());
}

TEST(OpaqueRuns, NoPictureOrNoAreaHasNoRegion) {
  EXPECT_TRUE(OpaqueRuns(nullptr, kKey, 10, 10).empty());
  const Picture empty;
  EXPECT_TRUE(OpaqueRuns(&empty, kKey, 10, 10).empty());
  const Picture keyed(PictureType::kBitmap, 2, 2, std::vector<std::uint32_t>(4, kKeyPixel));
  EXPECT_TRUE(OpaqueRuns(&keyed, kKey, 0, 5).empty());
  // A wholly keyed picture: only the column beyond it is opaque.
  EXPECT_EQ(OpaqueRuns(&keyed, kKey, 3, 2), (std::vector<Rect>{Rect{2, 0, 3, 2}}));
}

// A w x h mask, opaque (white) but for a transparent (black) top-left pixel.
PictureRef NotchedMask(int w, int h) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0xFFFFFFu);
  pixels[0] = 0;
  return std::make_shared<Picture>(PictureType::kBitmap, w, h, std::move(pixels));
}

TEST(MaskRunsTest, ReportsAChangeOnlyWhenTheRunsDiffer) {
  MaskRuns runs;
  EXPECT_FALSE(runs.update(nullptr, 0, 10, 4));  // no mask: all opaque, as before
  EXPECT_TRUE(runs.runs().empty());
  const PictureRef mask = NotchedMask(10, 4);
  EXPECT_TRUE(runs.update(mask, 0, 10, 4));
  EXPECT_EQ(runs.runs().front(), (Rect{1, 0, 10, 1}));
  EXPECT_FALSE(runs.update(mask, 0, 10, 4));
  // Another picture with the same pixels gives the same runs.
  EXPECT_FALSE(runs.update(NotchedMask(10, 4), 0, 10, 4));
  // A key that matches nothing: no region at all.
  EXPECT_TRUE(runs.update(mask, 0x123456, 10, 4));
  EXPECT_TRUE(runs.runs().empty());
  // A larger surface changes the runs (which ones is OpaqueRuns').
  EXPECT_TRUE(runs.update(mask, 0, 12, 4));
}

}  // namespace
}  // namespace glavo
