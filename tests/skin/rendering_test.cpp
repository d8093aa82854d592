// What the user sees of a skinned form on the simulated screen.
#include <gtest/gtest.h>

#include "skin_test_support.h"

namespace glavo::test {
namespace {

using soft::Bitmap;
using soft::Pixel;

Rgb At(const Bitmap& b, int x, int y) { return soft::RgbFromPixel(b.at(x, y)); }

int DifferentPixels(const Bitmap& a, const Bitmap& b, const Rect& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) n += (a.at(x, y) & 0xFFFFFFu) != (b.at(x, y) & 0xFFFFFFu);
  }
  return n;
}

class Rendering : public testing::Test, public SkinScenario {};

TEST_F(Rendering, WithoutBackgroundTheControlColourShows) {
  skin().SetBackgroundShow(false);
  skin().SetBackColor(MakeRgb(200, 30, 40));
  const Bitmap shot = stage.render();
  EXPECT_EQ(At(shot, 400, 300), MakeRgb(200, 30, 40));
  skin().SetBackgroundShow(true);
  EXPECT_NE(At(stage.render(), 400, 300), MakeRgb(200, 30, 40));
}

TEST_F(Rendering, HoveredCloseButtonChangesOnlyItsOwnLook) {
  const Bitmap before = stage.render();
  enter(stage.partPoint(gwr_CloseButton));
  const Bitmap after = stage.render();
  const Rect close = partBounds(gwr_CloseButton);
  EXPECT_GT(DifferentPixels(before, after, close), close.width() * close.height() / 2);
  const Rect max = partBounds(gwr_MaximizeButton);
  EXPECT_EQ(DifferentPixels(before, after, max), 0);
}

TEST_F(Rendering, CaptionIsDrawnOnTheTitleBarAfterTheIcon) {
  skin().SetCaption(u"");
  const Bitmap empty = stage.render();
  skin().SetCaption(u"Quarterly Report");
  const Bitmap captioned = stage.render();
  // Text appears right of the icon and its margin, and not over the icon.
  EXPECT_GT(DifferentPixels(empty, captioned, Rect{32, 5, 200, 25}), 100);
  EXPECT_EQ(DifferentPixels(empty, captioned, Rect{0, 0, 30, 30}), 0);
}

TEST_F(Rendering, ThemesChangeTheWholeFrame) {
  const Bitmap onyx = stage.render();
  skin().SetBodyTheme(gwr_MediaPlayer);
  const Bitmap media = stage.render();
  const int frame = DifferentPixels(onyx, media, Rect{0, 0, 800, 600});
  EXPECT_GT(frame, 800 * 600 * 9 / 10);
  // A dark title bar now, where Onyx had a light one.
  EXPECT_LT(GreenOf(At(media, 300, 20)), 90);
  EXPECT_GT(GreenOf(At(onyx, 300, 20)), 150);
}

}  // namespace
}  // namespace glavo::test
