// Form sizes at the edges of what the host can hold: an 8K form is laid out
// and painted like any other; a size the host cannot allocate reaches the
// caller as the host's error and leaves the skin usable. A theme part the
// host cannot allocate is skipped without an error: tests/skin/theme_actions_test.cpp.
#include <gtest/gtest.h>

#include "host_error_of.h"
#include "platform/sim/sim_offscreen.h"
#include "platform/sim/sim_surface.h"
#include "runtime/host_value.h"
#include "stage/skin_stage.h"

namespace glavo {
namespace {

constexpr int kTwips = 15;

// A pixel of a part at a fraction of its width and height.
raster::Pixel PartPixel(GlavoSkin& skin, SkinPartsGwr part, double fx, double fy) {
  const auto& surface = static_cast<sim::SimSurface&>(skin.part(part).surface());
  const raster::Bitmap& image = surface.image();
  return image.at(static_cast<int>(image.width() * fx), static_cast<int>(image.height() * fy)) & 0x00FFFFFFu;
}

TEST(FormSizes, An8KFormIsLaidOutAndPainted) {
  stage::SkinStage stage(Size{7700, 4400}, Rect{0, 0, 7680, 4320});
  stage.place();
  GlavoSkin& skin = stage.skin();
  EXPECT_EQ(skin.surface().bounds(), (Rect{0, 0, 7680, 4320}));
  // Onyx paints the background as a vertical gradient and the title bar
  // grey; an unpainted surface would be black.
  const raster::Pixel middle = PartPixel(skin, gwr_Back, 0.5, 0.5);
  EXPECT_NE(middle, 0u);
  EXPECT_EQ(PartPixel(skin, gwr_Back, 0.05, 0.5), middle);
  EXPECT_EQ(PartPixel(skin, gwr_Back, 0.95, 0.5), middle);
  EXPECT_NE(PartPixel(skin, gwr_Back, 0.99, 0.99), 0u);
  EXPECT_NE(PartPixel(skin, gwr_TitleBar, 0.5, 0.5), 0u);
}

TEST(FormSizes, TooLargeAFormRaisesTheHostErrorAtTheCaller) {
  stage::SkinStage stage(Size{1280, 800}, Rect{100, 100, 700, 500});
  stage.place();
  EXPECT_EQ(test_support::HostErrorOf([&] { stage.form().setBound(FormBound::kWidth, 40000.0 * kTwips); }),
            host_error::kOutOfMemory);
  // Back to a size the host can hold, the skin works as before.
  stage.form().setBound(FormBound::kWidth, 640.0 * kTwips);
  stage.tick(20);  // the skin's size poll follows the form
  stage.skin().SetBodyTheme(gwr_Vista);
  stage.skin().Refresh();
  EXPECT_EQ(stage.skin().part(gwr_Back).surface().bounds().width(), 640 - 2 * 5);
}

TEST(FormSizes, OffscreenLimitsAreTheDocumentedOnes) {
  sim::SimDesktop desktop(100, 100);
  auto window = desktop.createWindow(Rect{0, 0, 10, 10});
  EXPECT_THROW(window->move(0, 0, sim::kMaxOffscreenSide + 1, 1), HostError);
  EXPECT_THROW(window->move(0, 0, 20000, 20000), HostError);
  EXPECT_EQ(window->bounds(), (Rect{0, 0, 10, 10})) << "a refused size leaves the window as it was";
  window->move(0, 0, sim::kMaxOffscreenSide, 2);
  EXPECT_EQ(window->bounds().width(), sim::kMaxOffscreenSide);
}

}  // namespace
}  // namespace glavo
