// The scene itself: its tiles are laid out without overlap and every
// primitive keeps to its own tile, so that each tile compares on its own.
#include <gtest/gtest.h>

#include "platform/sim/soft_dc.h"
#include "platform/sim/soft_gdi.h"
#include "raster/bitmap.h"
#include "scene/scene.h"

namespace glavo::scene {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(Scene, TilesFitTheCanvasWithoutOverlapping) {
  const Size canvas = CanvasSize();
  const int count = static_cast<int>(Primitives().size());
  ASSERT_GT(count, 0);
  for (int i = 0; i < count; ++i) {
    const Rect a = TileArea(i);
    EXPECT_GE(a.left, 0);
    EXPECT_GE(a.top, kHeaderHeight);
    EXPECT_LE(a.right, canvas.cx);
    EXPECT_LE(a.bottom + kLabelHeight, canvas.cy) << "tile " << i << "'s label leaves the canvas";
    for (int j = i + 1; j < count; ++j) {
      const Rect b = TileArea(j);
      EXPECT_FALSE(Overlap(a, b)) << i << " and " << j;
      // Nor does one tile reach into the label strip under another.
      EXPECT_FALSE(Overlap(a, Rect{b.left, b.bottom, b.right, b.bottom + kLabelHeight}));
    }
  }
}

TEST(Scene, EveryPrimitiveDrawsOnlyInsideItsTile) {
  const Size canvas = CanvasSize();
  constexpr raster::Pixel kSentinel = 0x00123456;
  const auto primitives = Primitives();
  for (int i = 0; i < static_cast<int>(primitives.size()); ++i) {
    raster::Bitmap bitmap(canvas.cx, canvas.cy, kSentinel);
    sim::SoftGdi gdi;
    sim::SoftDc dc(bitmap, gdi);
    const Rect area = TileArea(i);
    // The primitives draw on white cards; give them one.
    dc.fillRect(area, 0xFFFFFF);
    primitives[i].draw(dc, area);
    int outside = 0, inside = 0;
    for (int y = 0; y < canvas.cy; ++y) {
      for (int x = 0; x < canvas.cx; ++x) {
        const bool in = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
        const raster::Pixel p = bitmap.at(x, y) & 0xFFFFFFu;
        if (!in && p != kSentinel) ++outside;
        if (in && p != 0xFFFFFFu) ++inside;
      }
    }
    EXPECT_EQ(outside, 0) << primitives[i].name << " draws outside its tile";
    EXPECT_GT(inside, 200) << primitives[i].name << " draws (almost) nothing";
  }
}

}  // namespace
}  // namespace glavo::scene
