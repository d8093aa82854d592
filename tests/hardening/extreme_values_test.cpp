// Values at the ends of their types, as the fuzz targets found them: each
// must draw or be skipped as documented, without overflow (the sanitizer
// build turns any overflow into a failure).
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <vector>

#include "cell/glavo_cell.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"
#include "runtime/ordered_property_bag.h"
#include "skin/skin_theme_string.h"
#include "stage/skin_stage.h"

namespace glavo {
namespace {

constexpr std::int32_t kMaxLong = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinLong = std::numeric_limits<std::int32_t>::min();

class ExtremeCaption : public ::testing::Test {
 protected:
  void SetUp() override {
    cell.InitProperties();
    cell.surface().move(0, 0, 400, 300);
    cell.surface().setVisible(true);
  }
  // The surface painted afresh and then the text drawn on it, unwrapped
  // from the middle of the surface, so it stays in sight whatever its angle.
  std::vector<raster::Pixel> Drawn(std::int32_t escapement, std::int32_t orientation) {
    cell.Refresh();
    cell.DrawTextString(u"Angle", 0x000000FF, false, 0, 3, u"Arial", 14.0f, true, false, 200, 150, 400, 300,
                        escapement, orientation);
    return surface().image().pixels();
  }
  sim::SimSurface& surface() { return static_cast<sim::SimSurface&>(cell.surface()); }

  sim::SimDesktop desktop{400, 300};
  std::unique_ptr<sim::SimSurface> form = desktop.createWindow(Rect{0, 0, 400, 300});
  GlavoCell cell{form->createChild()};
};

// The largest and smallest angles still draw the text; a whole number of
// turns added to an angle draws the same text.
TEST_F(ExtremeCaption, AnglesAtTheEndsOfALongDrawAndWholeTurnsChangeNothing) {
  cell.Refresh();
  const std::vector<raster::Pixel> blank = surface().image().pixels();
  for (auto [escapement, orientation] : {std::pair{kMaxLong, kMaxLong}, {kMinLong, kMinLong}, {kMaxLong - kMaxLong % 3600, kMaxLong}}) {
    EXPECT_TRUE(Drawn(escapement, orientation) != blank) << escapement << " " << orientation;
  }
  const std::vector<raster::Pixel> upright = Drawn(0, 0);
  EXPECT_TRUE(upright != blank);
  for (std::int32_t turns : {3600 * 100, -3600 * 100}) EXPECT_TRUE(Drawn(turns, turns) == upright) << turns;
}

// A theme file of 5 MB of digits loads as far as it goes; the skin keeps a
// whole look and takes the next theme. Any bytes as the text of a theme
// are the skin_theme fuzz target's, with the same check of 24 fields.
TEST(ExtremeTheme, AHugeThemeFileLeavesTheSkinUsable) {
  stage::SkinStage stage(Size{640, 480}, Rect{20, 20, 340, 260});
  stage.place();
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "glavo-extreme-theme.gwr";
  std::ofstream(file, std::ios::binary) << std::string(5 << 20, '7');
  stage.skin().LoadSkinTheme(file.u16string());
  EXPECT_EQ(SplitSkinTheme(stage.skin().SaveSkinTheme()).size(), 24u);
  stage.skin().SetBodyTheme(gwr_Onyx);
  EXPECT_EQ(stage.skin().part(gwr_TitleBar).surface().bounds().height(), 30);
  std::filesystem::remove(file);
}

// A bag written by someone else may hold any action number; loading it
// neither runs an action nor lets the property read anything but rest.
TEST(ExtremeBag, AForeignSkinThemeValueReadsBackAsNoAction) {
  for (std::int32_t stored : {std::int32_t{gwr_SaveTheme}, std::int32_t{gwr_ResetTheme}, -1905786314, kMaxLong}) {
    OrderedPropertyBag bag;
    bag.write("SkinTheme", stored);
    bag.write("Caption", std::u16string(u"Kept"));
    stage::SkinStage stage(Size{640, 480}, Rect{20, 20, 340, 260});
    stage.load(bag);
    EXPECT_EQ(stage.skin().SkinTheme(), gwr_NoAction) << stored;
    EXPECT_EQ(stage.skin().Caption(), u"Kept") << "a reset would have restored the default caption";
  }
}

}  // namespace
}  // namespace glavo
