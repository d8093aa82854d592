// glavo layout --size WxH [--hide close,max,min,help,icon,back] [--theme NAME]:
// lays a skinned form of that client size out and prints each part's
// Left, Top, Width, Height and Visible, in part order.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "skin/body_themes.h"
#include "skin/skin_names.h"
#include "skin_options.h"
#include "stage/skin_stage.h"

namespace glavo::tool {
namespace {

void Hide(stage::SkinStage& stage, const std::string& list) {
  GlavoSkin& skin = stage.skin();
  for (const std::string& name : SplitList(list)) {
    if (name == "close") skin.SetShowCloseButton(false);
    else if (name == "max") skin.SetShowMaximizeButton(false);
    else if (name == "min") skin.SetShowMinimizeButton(false);
    else if (name == "help") skin.SetShowHelpButton(false);
    else if (name == "icon") skin.SetShowIconButton(false);
    else if (name == "back") skin.SetBackgroundShow(false);
    else throw ArgumentError{"--hide", "unknown part '" + name + "' (expected close, max, min, help, icon, back)"};
  }
}

}  // namespace

int LayoutCommand(int argc, char** argv) {
  try {
    std::optional<Size> size;
    std::string hide;
    BodyThemesGwr theme = gwr_Onyx;
    for (int i = 1; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "--size") size = ParseSize("--size", NextArgument(argc, argv, i), 1);
      else if (arg == "--hide") hide = NextArgument(argc, argv, i);
      else if (arg == "--theme") theme = ParseTheme(NextArgument(argc, argv, i));
      else throw ArgumentError{arg, "unknown option"};
    }
    if (!size) throw ArgumentError{"--size", "is required"};
    stage::SkinStage stage(Size{size->cx + 100, size->cy + 100}, Rect{0, 0, size->cx, size->cy});
    stage.place();
    stage.skin().SetBodyTheme(theme);
    Hide(stage, hide);
    for (int p = 0; p < kSkinPartCount; ++p) {
      const ControlSurface& s = stage.skin().part(static_cast<SkinPartsGwr>(p)).surface();
      const Rect b = s.bounds();
      std::printf("%-12s %5d %5d %5d %5d %s\n",
                  std::string(SkinPartName(static_cast<SkinPartsGwr>(p))).c_str(), b.left, b.top,
                  b.width(), b.height(), s.visible() ? "True" : "False");
    }
    return 0;
  } catch (const ArgumentError& e) {
    return ReportArgumentError("layout", e);
  }
}

}  // namespace glavo::tool
