// glavo theme NAME: prints a built-in skin theme string.
#include <cstdio>
#include <string>

#include "skin/body_themes.h"
#include "skin/skin_names.h"
#include "stage/skin_render.h"

namespace glavo::tool {

int ThemeCommand(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: glavo theme NAME   (a built-in theme name or its number 0-11)\n");
    return 2;
  }
  const auto theme = FindBodyTheme(argv[1]);
  if (!theme) {
    std::fprintf(stderr,
                 "glavo theme: unknown theme '%s' (expected Onyx, AJAX, Graphite, Vista, iTunes, "
                 "GoogleChrome, TintedGlass, Office2007, Candy, Safari, MediaPlayer, SilverLight or "
                 "0-11)\n",
                 argv[1]);
    return 2;
  }
  std::printf("%s\n", stage::ToUtf8(BuiltInSkinTheme(*theme)).c_str());
  return 0;
}

}  // namespace glavo::tool
