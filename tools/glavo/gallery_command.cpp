// glavo gallery [-o DIR]: renders every built-in theme as a 640x400 skinned
// form (captioned, the close button under the pointer, the minimize button
// held down) and writes an index.html that shows them side by side.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "raster/bitmap.h"
#include "raster/png_file.h"
#include "skin/body_themes.h"
#include "skin/skin_names.h"
#include "skin_options.h"
#include "stage/skin_render.h"

namespace glavo::tool {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 400;

constexpr const char* kDescriptions[kBodyThemeCount] = {
    "White and silver glass with soft rounded buttons.",
    "A light, flat web-page look; the caption buttons appear under the pointer.",
    "Charcoal glass with an amber close button.",
    "Smoky black glass over a blue aurora background.",
    "Brushed aluminium with round metal buttons.",
    "A tall soft-blue browser frame around a white page, with flat buttons.",
    "Dark smoked glass with glossy buttons and a red close.",
    "Glossy light-blue office bars with amber hover and a red close.",
    "Candy-red gloss with round sugar-white buttons.",
    "A tall unified aluminium toolbar with small traffic-light buttons.",
    "Glossy black with a deep blue stage and blue-glowing buttons.",
    "Bright silver bars with a hairline sky-blue frame.",
};

bool WriteIndex(const std::filesystem::path& dir) {
  std::ofstream html(dir / "index.html", std::ios::binary | std::ios::trunc);
  html << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
          "<title>Glavowrap theme gallery</title>\n<style>\n"
          "body{margin:0;padding:32px;background:#2b3036;color:#e8ebef;"
          "font:15px/1.5 'Segoe UI',Arial,sans-serif}\n"
          "h1{font-weight:600;font-size:26px;margin:0 0 4px}\n"
          "p.lead{margin:0 0 28px;color:#aab3bd}\n"
          ".grid{display:grid;grid-template-columns:repeat(auto-fill,minmax(660px,1fr));gap:28px}\n"
          "figure{margin:0;background:#353b42;border-radius:8px;padding:10px 10px 14px;"
          "box-shadow:0 6px 18px rgba(0,0,0,.35)}\n"
          "figure img{display:block;width:640px;height:400px;border-radius:2px}\n"
          "figcaption{padding:10px 4px 0}\n"
          "figcaption b{font-size:16px;color:#fff}\n"
          "figcaption code{color:#9fc3ff;margin-left:8px;font-size:13px}\n"
          "</style>\n</head>\n<body>\n<h1>Glavowrap themes</h1>\n"
          "<p class=\"lead\">The twelve built-in body themes of the GlavoSkin control, each on a "
          "640&times;400 form: close button under the pointer, minimize button held down.</p>\n"
          "<div class=\"grid\">\n";
  for (int t = 0; t < kBodyThemeCount; ++t) {
    const std::string name(BodyThemeName(static_cast<BodyThemesGwr>(t)));
    html << "<figure><img src=\"" << name << ".png\" alt=\"" << name << " theme\">"
         << "<figcaption><b>" << name << "</b><code>gwr_" << name << " = " << t << "</code><br>"
         << kDescriptions[t] << "</figcaption></figure>\n";
  }
  html << "</div>\n</body>\n</html>\n";
  html.close();
  return static_cast<bool>(html);
}

}  // namespace

int GalleryCommand(int argc, char** argv) {
  std::filesystem::path dir = "gallery";
  try {
    for (int i = 1; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "-o") dir = NextArgument(argc, argv, i);
      else throw ArgumentError{arg, "unknown option (usage: glavo gallery [-o DIR])"};
    }
  } catch (const ArgumentError& e) {
    return ReportArgumentError("gallery", e);
  }
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "glavo gallery: cannot create '%s': %s\n", dir.string().c_str(), ec.message().c_str());
    return 2;
  }
  for (int t = 0; t < kBodyThemeCount; ++t) {
    const std::string name(BodyThemeName(static_cast<BodyThemesGwr>(t)));
    stage::SkinRenderOptions options;
    options.theme = BuiltInSkinTheme(t);
    options.width = kWidth;
    options.height = kHeight;
    options.caption = stage::FromUtf8("Glavowrap \xE2\x80\x94 " + name);
    options.hover = gwr_CloseButton;
    options.pressed = gwr_MinimizeButton;
    const std::string file = (dir / (name + ".png")).string();
    if (!raster::SavePng(stage::RenderSkin(options), file, false)) {
      std::fprintf(stderr, "glavo gallery: cannot write '%s'\n", file.c_str());
      return 1;
    }
    std::printf("wrote %s\n", file.c_str());
  }
  if (!WriteIndex(dir)) {
    std::fprintf(stderr, "glavo gallery: cannot write '%s'\n", (dir / "index.html").string().c_str());
    return 1;
  }
  std::printf("wrote %s\n", (dir / "index.html").string().c_str());
  return 0;
}

}  // namespace glavo::tool
