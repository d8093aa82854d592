// What the user sees of a skinned form on the simulated screen.
#include <gtest/gtest.h>

#include "skin_test_support.h"

namespace glavo::test {
namespace {

using raster::Bitmap;

Rgb At(const Bitmap& b, int x, int y) { return raster::RgbFromPixel(b.at(x, y)); }

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

TEST_F(Rendering, CaptionIsDrawnOnTheTitleBarAfterTheIcon) {
  skin().SetCaption(u"");
  const Bitmap empty = stage.render();
  skin().SetCaption(u"Quarterly Report");
  const Bitmap captioned = stage.render();
  // Text appears right of the icon and its margin, and not over the icon.
  EXPECT_GT(DifferentPixels(empty, captioned, Rect{32, 5, 200, 25}), 100);
  EXPECT_EQ(DifferentPixels(empty, captioned, Rect{0, 0, 30, 30}), 0);
}

// Each Show property reaches the frame: its part hides and shows again, and
// a hidden close button leaves its place to the maximize button (where every
// set of hidden buttons stands is FrameLayout's).
TEST_F(Rendering, ShowPropertiesHideAndShowTheirParts) {
  const Rect closeAt = partBounds(gwr_CloseButton);
  const struct {
    void (GlavoSkin::*set)(bool);
    SkinPartsGwr part;
  } shows[] = {{&GlavoSkin::SetShowCloseButton, gwr_CloseButton},
               {&GlavoSkin::SetShowMaximizeButton, gwr_MaximizeButton},
               {&GlavoSkin::SetShowMinimizeButton, gwr_MinimizeButton},
               {&GlavoSkin::SetShowHelpButton, gwr_HelpButton},
               {&GlavoSkin::SetShowIconButton, gwr_Icon}};
  for (const auto& show : shows) {
    (skin().*show.set)(true);
    EXPECT_TRUE(skin().part(show.part).surface().visible()) << show.part;
    (skin().*show.set)(false);
    EXPECT_FALSE(skin().part(show.part).surface().visible()) << show.part;
  }
  skin().SetShowMaximizeButton(true);
  EXPECT_EQ(partBounds(gwr_MaximizeButton), closeAt);
}

// Which record each part takes is ThemeActions'; how a record paints, the
// cell's. Here: the whole frame shows the new theme.
TEST_F(Rendering, ThemesChangeTheWholeFrame) {
  const Bitmap onyx = stage.render();
  skin().SetBodyTheme(gwr_MediaPlayer);
  EXPECT_GT(DifferentPixels(onyx, stage.render(), Rect{0, 0, 800, 600}), 800 * 600 * 9 / 10);
}

// A form dragged to its size, growing and shrinking on the way, shows
// exactly what a form placed at that size shows: surfaces reused across
// resizes, recycled masks and deferred clears leave nothing behind.
TEST(RenderingAfterDrag, MatchesAFormPlacedAtTheFinalSize) {
  for (int theme = 0; theme < kBodyThemeCount; ++theme) {
    stage::SkinStage dragged;
    dragged.place();
    dragged.skin().SetBodyTheme(static_cast<BodyThemesGwr>(theme));
    dragged.tick(20);
    sim::SimDesktop& desk = dragged.desktop();
    auto corner = [&] { return dragged.partPoint(gwr_RightCorner); };
    desk.moveCursor(corner());
    desk.pressButton(mouse::kLeft);
    for (int step : {9, 7, 12, -5, -11, 3, -8, 20}) {
      const Point at = corner();
      desk.moveCursor(Point{at.x + step, at.y + step / 2});
    }
    desk.releaseButton(mouse::kLeft);
    desk.hover(Point{5, 5}, 30);
    const Rect final = dragged.form().pixelBounds();
    ASSERT_NE(final, (Rect{240, 150, 1040, 750}));

    stage::SkinStage placed(Size{1280, 800}, final);
    placed.place();
    placed.skin().SetBodyTheme(static_cast<BodyThemesGwr>(theme));
    placed.tick(20);
    placed.desktop().hover(Point{5, 5}, 30);
    EXPECT_TRUE(dragged.render().pixels() == placed.render().pixels()) << "theme " << theme;
  }
}

}  // namespace
}  // namespace glavo::test
