// Long runs of theme switches and drag steps must not leak GDI objects:
// every caption font a repaint creates is deleted by the next one (one
// cell's repaints and free text: PaintTest.CaptionFontsDoNotPileUp).
#include <gtest/gtest.h>

#include "platform/sim/soft_gdi.h"
#include "stage/skin_stage.h"

namespace glavo {
namespace {

TEST(SkinResources, ThemeSwitchesAndDragStepsKeepTheFontCount) {
  stage::SkinStage stage(Size{1024, 768}, Rect{100, 100, 500, 400});
  stage.place();
  stage.tick(20);
  const int before = stage.desktop().gdi().liveFonts();
  for (int i = 0; i < 240; ++i) stage.skin().SetBodyTheme(i % kBodyThemeCount);
  stage.skin().SetBodyTheme(gwr_Onyx);
  EXPECT_EQ(stage.desktop().gdi().liveFonts(), before);

  const Point corner = stage.partPoint(gwr_RightCorner);
  stage.desktop().moveCursor(corner);
  stage.desktop().pressButton(mouse::kLeft);
  for (int i = 0; i < 240; ++i) {
    const int d = (i % 40) < 20 ? 1 : -1;
    const Point now = stage.desktop().cursorPos();
    stage.desktop().moveCursor(Point{now.x + d, now.y + d});
  }
  stage.desktop().releaseButton(mouse::kLeft);
  EXPECT_EQ(stage.desktop().gdi().liveFonts(), before);
}

}  // namespace
}  // namespace glavo
