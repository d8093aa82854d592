// glavo skin: renders a whole skinned form to a PNG.
#include <cstdio>
#include <string>

#include "raster/bitmap.h"
#include "raster/png_file.h"
#include "skin/body_themes.h"
#include "skin_options.h"
#include "stage/skin_render.h"

namespace glavo::tool {
namespace {

constexpr const char* kUsage =
    "usage: glavo skin (--theme NAME | --theme-file F | --theme-string S) --size WxH\n"
    "                  [--caption TEXT] [--hover PART] [--pressed PART] -o out.png\n";

}  // namespace

int SkinCommand(int argc, char** argv) {
  try {
    stage::SkinRenderOptions options;
    int themeSources = 0;
    bool sized = false;
    std::string output;
    for (int i = 1; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "--theme") {
        options.theme = BuiltInSkinTheme(ParseTheme(NextArgument(argc, argv, i)));
        ++themeSources;
      } else if (arg == "--theme-file") {
        options.theme = ReadThemeFile(NextArgument(argc, argv, i));
        ++themeSources;
      } else if (arg == "--theme-string") {
        options.theme = stage::FromUtf8(NextArgument(argc, argv, i));
        ++themeSources;
      } else if (arg == "--size") {
        const Size s = ParseSize("--size", NextArgument(argc, argv, i), 16);
        if (s.cx > 4096 || s.cy > 4096) throw ArgumentError{"--size", "at most 4096x4096"};
        options.width = s.cx;
        options.height = s.cy;
        sized = true;
      } else if (arg == "--caption") {
        options.caption = stage::FromUtf8(NextArgument(argc, argv, i));
      } else if (arg == "--hover") {
        options.hover = ParsePart("--hover", NextArgument(argc, argv, i));
      } else if (arg == "--pressed") {
        options.pressed = ParsePart("--pressed", NextArgument(argc, argv, i));
      } else if (arg == "-o") {
        output = NextArgument(argc, argv, i);
      } else if (arg == "--help" || arg == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
      } else {
        throw ArgumentError{arg, "unknown option"};
      }
    }
    if (themeSources != 1) throw ArgumentError{"--theme", "give exactly one of --theme, --theme-file, --theme-string"};
    if (!sized) throw ArgumentError{"--size", "is required"};
    if (output.empty()) throw ArgumentError{"-o", "is required"};
    const raster::Bitmap image = stage::RenderSkin(options);
    if (!raster::SavePng(image, output, false)) {
      std::fprintf(stderr, "glavo skin: cannot write '%s'\n", output.c_str());
      return 1;
    }
    return 0;
  } catch (const ArgumentError& e) {
    return ReportArgumentError("skin", e);
  }
}

}  // namespace glavo::tool
