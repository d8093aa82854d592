// GlavoSkin hosted by Wine's own ATL container window (not ours), driven by
// real window messages from glavo-activex-host.exe of each Windows build, in
// a Wine virtual desktop on a private X display. The host writes one CHECK
// line per behaviour; this suite judges them, the part rectangles against
// the frame layout, and the screenshots against the software host's
// rendering.
#ifdef GLAVO_SKIN_LAYOUT

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <fstream>
#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "activex_host_run.h"
#include "skin/body_themes.h"
#include "stage/skin_render.h"
#include "stage/skin_stage.h"
#include "text_mask.h"
#include "wine_runner.h"

namespace glavo::wine {
namespace {

class ActiveXHost : public ::testing::TestWithParam<Bitness> {
 protected:
  // One run per build: ctest runs a suite's cases in one process.
  const HostRun& host() const {
    static std::map<std::string, HostRun> runs;
    auto it = runs.find(GetParam().name);
    if (it == runs.end()) it = runs.emplace(GetParam().name, RunHost(GetParam(), "")).first;
    return it->second;
  }
};

#define REQUIRE_HOST() ASSERT_TRUE(host().ran) << host().why

// Where the parts stand is checked by the screenshot comparison below.
TEST_P(ActiveXHost, ContainerEmbedsTheControlAsTheBorderlessFormsFrame) {
  REQUIRE_HOST();
  ExpectChecks(host(), {"register", "atl_container", "control_created", "control_window", "form_borderless",
                "frame_covers_client", "parts_without_windows", "one_in_place_object", "view_object_draw"});
}

TEST_P(ActiveXHost, RealMessagesMaximizeAndCloseTheForm) {
  REQUIRE_HOST();
  // Theme switches and the hover look.
  ExpectChecks(host(), {"theme_switch_repaints", "hover_over_look", "hover_leaves_normal"});
  // A title bar double click maximizes to the work area; re-bound to a new
  // window meanwhile, the control stays maximized and a second double click
  // restores the form's size, centred.
  ExpectChecks(host(), {"dblclick_maximizes_to_work_area", "maximized_frame_covers_client",
                "rebind_keeps_maximized", "dblclick_restores_centred"});
  // The close button and Alt+F4 raise Click and ask the form to close; a
  // form that refuses stays.
  ExpectChecks(host(), {"close_click_raises_event", "refused_close_keeps_form", "alt_f4_clicks_close",
                "close_click_closes_form"});
}

bool ReadPpm(const std::string& path, int& width, int& height, std::vector<unsigned char>& rgb) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxValue = 0;
  if (!(in >> magic >> width >> height >> maxValue) || magic != "P6" || maxValue != 255) return false;
  in.get();
  rgb.resize(static_cast<std::size_t>(width) * height * 3);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size())));
}

// The form's icon: the host window's own on screen, the software form's in
// the rendering.
Rect IconPlace(const stage::SkinRenderOptions& o) {
  stage::SkinStage stage(Size{o.width + 200, o.height + 200}, Rect{100, 100, 100 + o.width, 100 + o.height},
                        o.caption);
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
ScreenDiff CompareOutsideText(const stage::SkinRenderOptions& options, const std::vector<unsigned char>& screen) {
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
      const std::uint32_t p = soft.row(y)[x];
      const unsigned char* s = &screen[at * 3];
      diff.differing += s[0] != ((p >> 16) & 0xFF) || s[1] != ((p >> 8) & 0xFF) || s[2] != (p & 0xFF);
    }
  }
  return diff;
}

TEST_P(ActiveXHost, ScreenshotsEqualTheSoftwareHostOutsideText) {
  REQUIRE_HOST();
  for (int theme = 0; theme < 12; ++theme) {
    int width = 0, height = 0;
    std::vector<unsigned char> screen;
    ASSERT_TRUE(ReadPpm(host().outDir + "/activex_theme_" + std::to_string(theme) + ".ppm", width, height, screen))
        << "theme " << theme;
    stage::SkinRenderOptions options;
    options.theme = BuiltInSkinTheme(theme);
    options.width = width;
    options.height = height;
    options.caption = u"ActiveX host";
    const ScreenDiff diff = CompareOutsideText(options, screen);
    std::printf("%s theme %2d: %ld pixels differ outside text (%ld of %d left to the text checks)\n",
                GetParam().name.c_str(), theme, diff.differing, diff.excused, width * height);
    EXPECT_EQ(diff.differing, 0) << "theme " << theme;
  }
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, ActiveXHost, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine

#endif  // GLAVO_SKIN_LAYOUT
