// The bitmap records whole-surface fills and writes them on first look.
#include "raster/bitmap.h"

#include <gtest/gtest.h>

#include <random>

namespace glavo::raster {
namespace {

TEST(Bitmap, ResizesAndFillsShowTheirColourWhereverLookedAt) {
  Bitmap b(4, 3, 0x11);
  b.at(1, 1) = 0x22;
  b.resize(6, 5, 0x33);  // grows: everything is the new fill
  EXPECT_EQ(b.pixels(), std::vector<Pixel>(30, 0x33));
  b.at(5, 4) = 0x44;
  b.resize(2, 2, 0x55);  // shrinks within the same memory
  EXPECT_EQ(b.pixels(), std::vector<Pixel>(4, 0x55));
  b.fill(0x66);
  const Bitmap copy = b;  // a copy taken before the fill was written
  EXPECT_EQ(copy.at(1, 1), 0x66u);
  b.resize(0, 7);
  EXPECT_EQ(b.width(), 0);
  EXPECT_TRUE(b.pixels().empty());
  const Bitmap negative(-5, 10);
  EXPECT_EQ(negative.width(), 0);
  EXPECT_EQ(negative.height(), 0);
}

// A surface dragged a pixel larger and back keeps its memory: a fresh
// allocation of a large block costs page faults on every step (and under
// Wine a trip to the kernel). Thin surfaces too, whose room for growth is
// many times their pixels; a surface made far smaller gives it back.
TEST(Bitmap, KeepsItsMemoryWhileDraggedAPixelEitherWay) {
  for (const auto& [w, h] : {std::pair{1914, 1049}, std::pair{3, 1080}, std::pair{1920, 5}}) {
    Bitmap b(w, h);
    const Pixel* memory = b.pixels().data();
    for (int step = 0; step < 6; ++step) {
      b.resize(w + step % 2, h + step % 2, 0x10);
      EXPECT_EQ(b.pixels().data(), memory) << w << "x" << h << " step " << step;
    }
  }
  Bitmap large(1000, 1000);
  large.resize(10, 10);
  EXPECT_LT(large.pixels().capacity(), 100000u);
}

// Whole-row spans are recorded as fills: a reader that asks sees the one
// value, any other look sees the pixels, and a partial span writes pixels.
TEST(Bitmap, WholeRowSpansStayFillsUntilLookedAt) {
  Bitmap b(4, 3, 0x10);
  b.fillSpan(1, 0, 4, 0x20);
  b.fillSpan(2, 1, 3, 0x30);
  Pixel p = 0;
  EXPECT_TRUE(b.pendingRow(1, p));
  EXPECT_EQ(p, 0x20u);
  EXPECT_FALSE(b.pendingRow(2, p));  // a partial span wrote the row
  EXPECT_EQ(b.at(0, 2), 0x10u);
  EXPECT_EQ(b.at(1, 2), 0x30u);

  std::vector<Pixel> out(12, 0);
  RowFills fills;
  b.readOpaque(out.data(), fills);
  EXPECT_TRUE(fills.get(0, p) && p == 0xFF000010u);
  EXPECT_TRUE(fills.get(1, p) && p == 0xFF000020u);
  EXPECT_FALSE(fills.get(2, p));
  EXPECT_EQ(out[0], 0u);  // a fill row is left out of the pixels
  EXPECT_EQ(std::vector<Pixel>(out.begin() + 8, out.end()),
            (std::vector<Pixel>{0xFF000010u, 0xFF000030u, 0xFF000030u, 0xFF000010u}));

  b.set(2, 1, 0x20);  // the recorded value again: still a fill
  b.fillSpan(1, 1, 3, 0x20);
  EXPECT_TRUE(b.pendingRow(1, p));
  b.set(3, 1, 0x40);  // another value settles the fill first
  EXPECT_FALSE(b.pendingRow(1, p));
  EXPECT_EQ(b.pixels(), (std::vector<Pixel>{0x10, 0x10, 0x10, 0x10, 0x20, 0x20, 0x20, 0x40, 0x10, 0x30, 0x30, 0x10}));
}

// Long spans and the pixels written into them (a border around a filled
// shape) against a plain pixel array: whatever stays recorded, every way of
// reading gives the pixels written.
TEST(Bitmap, RecordedSpansReadAsThePixelsWritten) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    const int w = 1 + static_cast<int>(random() % 300), h = 4;
    Bitmap b(w, h, 0x01);
    std::vector<Pixel> want(static_cast<std::size_t>(w * h), 0x01);
    for (int step = 0; step < 60; ++step) {
      const int y = static_cast<int>(random() % h);
      const int l = static_cast<int>(random() % (w + 1)), r = l + static_cast<int>(random() % (w + 1 - l));
      const Pixel p = 0x10 + random() % 3;
      Pixel* ref = want.data() + static_cast<std::size_t>(y) * w;
      switch (random() % 4) {
        case 0:
          b.fillSpan(y, l, r, p);
          std::fill(ref + l, ref + r, p);
          break;
        case 1:
          if (l < w) b.set(l, y, p), ref[l] = p;
          break;
        case 2: {
          Pixel* row = b.overwriteSpan(y, l, r);
          for (int x = l; x < r; ++x) row[x] = ref[x] = p + static_cast<Pixel>(x);
          break;
        }
        default: {
          RowSpan span;
          const Pixel* row = b.rowOutsidePending(y);
          const bool pending = b.pendingSpan(y, span);
          for (int x = 0; x < w; ++x) {
            const bool inside = pending && x >= span.left && x < span.right;
            ASSERT_EQ(inside ? span.value : row[x], ref[x]) << "round " << round << " x " << x;
          }
        }
      }
    }
    ASSERT_EQ(b.pixels(), want) << "round " << round;
  }
}

}  // namespace
}  // namespace glavo::raster
