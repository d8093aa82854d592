#include "text_mask.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/body_themes.h"
#include "stage/skin_render.h"

namespace glavo::wine {
namespace {

TEST(TextMask, RecolouringChangesOnlyTheTextColoursOfEveryLook) {
  const std::u16string theme = BuiltInSkinTheme(0);
  const std::u16string recoloured = RecolourText(theme);
  ASSERT_NE(recoloured, theme);
  // Recolouring twice flips every changed channel back.
  EXPECT_EQ(RecolourText(recoloured), theme);
  stage::SkinRenderOptions options;
  options.width = 300;
  options.height = 200;
  options.caption = u"";
  options.theme = theme;
  const raster::Bitmap plain = stage::RenderSkin(options);
  options.theme = recoloured;
  const raster::Bitmap other = stage::RenderSkin(options);
  // Without a caption only the glyphs of the caption buttons change: the
  // frame's fills, borders and background stay as they were.
  const std::vector<bool> mask = DifferenceMask(plain, other, 0, 0);
  long changed = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (!mask[static_cast<std::size_t>(y) * plain.width() + x]) continue;
      ++changed;
      EXPECT_LT(y, 30) << "a changed pixel below the title bar at " << x << "," << y;
    }
  }
  EXPECT_GT(changed, 20);
}

// A mask wider than its reach would excuse frame pixels from the screenshot
// comparison.
TEST(TextMask, ReachesAroundEachDifferingPixel) {
  raster::Bitmap a(10, 6, 0x112233), b(10, 6, 0x112233);
  b.at(5, 3) = 0x445566;
  b.at(0, 0) = 0x112233 | 0xFF000000u;  // alpha alone is no difference
  std::vector<bool> want(60, false);
  for (int y = 2; y <= 4; ++y) std::fill(want.begin() + y * 10 + 3, want.begin() + y * 10 + 8, true);
  EXPECT_EQ(DifferenceMask(a, b, 2, 1), want);
}

}  // namespace
}  // namespace glavo::wine
