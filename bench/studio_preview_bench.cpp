// One preview of the theme studio at 800x600: the form rendered by the
// software host from a theme string, with every part laid out, and encoded
// as the PNG the page shows. The HTTP round trip on 127.0.0.1 is not timed.
#include <benchmark/benchmark.h>

#include "raster/png_file.h"
#include "skin/body_themes.h"
#include "skinned_form.h"
#include "stage/skin_render.h"

namespace glavo::bench {
namespace {

void StudioPreview(benchmark::State& state, int theme, bool hover) {
  stage::SkinRenderOptions options;
  options.theme = BuiltInSkinTheme(theme);
  options.width = 800;
  options.height = 600;
  if (hover) options.hover = gwr_CloseButton;
  std::vector<stage::PartPlace> layout;
  for (auto _ : state) {
    const std::string png = raster::EncodePng(stage::RenderSkin(options, &layout), false);
    benchmark::DoNotOptimize(png.data());
  }
}

const bool kRegistered = [] {
  for (int theme = 0; theme < kBodyThemeCount; ++theme) {
    for (bool hover : {false, true}) {
      const std::string name = "BM_StudioPreview/" + ThemeName(theme) + "/800x600" + (hover ? "/hover" : "");
      benchmark::RegisterBenchmark(name.c_str(), StudioPreview, theme, hover)->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
}  // namespace glavo::bench
