// The mask's runs are worked out again only when what they depend on
// changed, and reported as changed only when they differ.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "runtime/mask_runs.h"

namespace glavo::testing {
namespace {

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
  // A larger surface: pixels beyond the picture are opaque.
  EXPECT_TRUE(runs.update(mask, 0, 12, 4));
  EXPECT_EQ(runs.runs().front(), (Rect{1, 0, 12, 1}));
}

}  // namespace
}  // namespace glavo::testing
