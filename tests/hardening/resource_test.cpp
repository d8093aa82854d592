// Long runs of repaints, theme switches and drag steps must not leak GDI
// objects: every caption font a repaint creates is deleted by the next one.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "cell/glavo_cell.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"
#include "platform/sim/soft_gdi.h"
#include "stage/skin_stage.h"

namespace glavo {
namespace {

class CaptionRepaints : public ::testing::Test {
 protected:
  void SetUp() override {
    cell.InitProperties();
    cell.surface().move(10, 10, 160, 28);
    cell.surface().setVisible(true);
  }
  int LiveFonts() { return desktop.gdi().liveFonts(); }

  sim::SimDesktop desktop{400, 300};
  std::unique_ptr<sim::SimSurface> form = desktop.createWindow(Rect{0, 0, 400, 300});
  GlavoCell cell{form->createChild()};
};

// Each new caption, size and rotation makes a different font, and a
// cleared caption none; the old one must still go.
TEST_F(CaptionRepaints, ChangingAndClearingCaptionsAndFontsKeepTheFontCount) {
  cell.SetCaption(u"start");
  const int before = LiveFonts();
  for (int i = 0; i < 2000; ++i) {
    cell.SetCaption(i % 4 == 3 ? u"" : u"Item " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)));
    cell.SetCaptionRotate(i % 3 == 0);
    cell.SetFont(MakeFont(i % 2 ? u"Arial" : u"Tahoma", 8.0f + static_cast<float>(i % 7), i % 5 == 0));
    cell.DrawTextString(u"extra", 0, i % 2 == 0, 0x808080, i % 4, u"Verdana", 9.0f, false, false, 0, 0,
                        100, 20, (i % 4) * 900, 0);
  }
  cell.SetCaption(u"start");
  EXPECT_LE(LiveFonts(), before + 1) << "at most the font selected last stays";
}

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
