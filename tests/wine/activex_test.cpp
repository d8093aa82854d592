// GlavoSkin hosted by Wine's own ATL container window (not ours), driven by
// real window messages from glavo-activex-host.exe of each Windows build, in
// a Wine virtual desktop on a private X display. The host writes one CHECK
// line per behaviour; this suite judges them, and the screenshots against
// the software host's rendering.
#ifdef GLAVO_SKIN_LAYOUT

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "container_run.h"
#include "scene/raw_image.h"
#include "skin/body_themes.h"
#include "stage/skin_render.h"
#include "stage/skin_stage.h"
#include "text_mask.h"
#include "wine_runner.h"

namespace glavo::wine {
namespace {

class ActiveXHost : public ::testing::TestWithParam<Bitness> {
 protected:
  const HostRun& host() const {
    return OncePerBitness<HostRun>(GetParam(), [](const Bitness& b) { return RunHost(b, ""); });
  }
};

#define REQUIRE_HOST() ASSERT_TRUE(host().ran) << host().why

// Where the parts stand is checked by the screenshot comparison below. A
// host that could not register, embed or reach the control stops before
// DONE, which REQUIRE_HOST reports.
TEST_P(ActiveXHost, ContainerEmbedsTheControlAsTheBorderlessFormsFrame) {
  REQUIRE_HOST();
  ExpectChecks(host(), {"form_borderless", "frame_covers_client", "parts_without_windows", "one_in_place_object",
                        "view_object_draw"});
}

TEST_P(ActiveXHost, RealMessagesMaximizeAndCloseTheForm) {
  REQUIRE_HOST();
  // The hover look, and the caption as the form's own text; that each theme
  // switch repaints, the screenshots show.
  ExpectChecks(host(), {"hover_over_look", "hover_leaves_normal", "caption_is_form_text"});
  // A title bar double click maximizes to the work area; re-bound to a new
  // window meanwhile, the control stays maximized and a second double click
  // restores the form's size, centred.
  ExpectChecks(host(), {"dblclick_maximizes_to_work_area", "maximized_frame_covers_client", "rebind_keeps_maximized",
                        "dblclick_restores_centred"});
  // The close button and Alt+F4 raise Click and ask the form to close; a
  // form that refuses stays.
  ExpectChecks(host(), {"close_and_alt_f4_ask_the_form", "close_click_closes_form"});
}

// Each lower corner dragged with real pointer input (SendInput, so the
// system makes the mouse messages): many small moves keep the edges with the
// pointer (within a pixel) and one large move grows by exactly its distance.
// Each part's drag and the least size are the portable suites' (BorderDrag).
TEST_P(ActiveXHost, TheCornersFollowTheRealPointer) {
  REQUIRE_HOST();
  ExpectChecks(host(), {"drag_LeftCorner_small_moves", "drag_LeftCorner_large_move", "drag_RightCorner_small_moves",
                        "drag_RightCorner_large_move"});
}

// The form's icon: the host window's own on screen, the software form's in
// the rendering.
Rect IconPlace(const stage::SkinRenderOptions& o) {
  stage::SkinStage stage(Size{o.width + 200, o.height + 200}, Rect{100, 100, 100 + o.width, 100 + o.height}, o.caption);
  stage.place();
  stage.skin().LoadSkinTheme(u"", o.theme);
  return stage.skin().part(gwr_Icon).surface().bounds();
}

struct ScreenDiff {
  long differing = 0;  // outside text and icon, any channel
  long excused = 0;    // pixels left to the text checks
};

// The real control draws with the software host's raster: outside the
// pixels of text (caption and glyphs, drawn there by the system's fonts)
// and of the form's icon, every pixel is the same.
ScreenDiff CompareOutsideText(const stage::SkinRenderOptions& options, const scene::RawImage& screen) {
  const raster::Bitmap soft = stage::RenderSkin(options);
  stage::SkinRenderOptions recoloured = options;
  recoloured.theme = RecolourText(options.theme);
  std::vector<bool> excused = DifferenceMask(soft, stage::RenderSkin(recoloured), 6, 3);
  const Rect icon = IconPlace(options);
  ScreenDiff diff;
  for (int y = 0; y < soft.height(); ++y) {
    for (int x = 0; x < soft.width(); ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * soft.width() + x;
      const bool inIcon = x >= icon.left - 1 && x <= icon.right && y >= icon.top - 1 && y <= icon.bottom;
      if (excused[at] || inIcon) {
        ++diff.excused;
        continue;
      }
      diff.differing += ((soft.row(y)[x] ^ screen.pixels[at]) & 0xFFFFFFu) != 0;
    }
  }
  return diff;
}

TEST_P(ActiveXHost, ScreenshotsEqualTheSoftwareHostOutsideText) {
  REQUIRE_HOST();
  for (int theme = 0; theme < 12; ++theme) {
    scene::RawImage screen;
    std::string error;
    ASSERT_TRUE(ReadRawImage(host().outDir + "/activex_theme_" + std::to_string(theme) + ".bgra", screen, error))
        << "theme " << theme << ": " << error;
    // An empty screenshot would equal any rendering.
    ASSERT_EQ(std::make_pair(screen.width, screen.height), std::make_pair(400, 300)) << "theme " << theme;
    stage::SkinRenderOptions options;
    options.theme = BuiltInSkinTheme(theme);
    options.width = screen.width;
    options.height = screen.height;
    options.caption = u"ActiveX host";
    const ScreenDiff diff = CompareOutsideText(options, screen);
    EXPECT_EQ(diff.differing, 0) << "theme " << theme << " (" << diff.excused << " pixels left to the text checks)";
  }
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, ActiveXHost, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine

#endif  // GLAVO_SKIN_LAYOUT
