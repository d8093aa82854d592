// glavo scene -o out.png [--raw out.bgra]: renders the drawing-primitive
// scene over the software host.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/sim/soft_dc.h"
#include "platform/sim/soft_gdi.h"
#include "raster/bitmap.h"
#include "raster/png_file.h"
#include "scene/raw_image.h"
#include "scene/scene.h"

namespace glavo::tool {
namespace {

int SceneUsage() {
  std::fprintf(stderr, "usage: glavo scene -o <out.png> [--raw <out.bgra>]\n");
  return 2;
}

}  // namespace

int SceneCommand(int argc, char** argv) {
  std::string pngPath, rawPath;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "-o") == 0 && hasValue) {
      pngPath = argv[++i];
    } else if (std::strcmp(argv[i], "--raw") == 0 && hasValue) {
      rawPath = argv[++i];
    } else {
      return SceneUsage();
    }
  }
  if (pngPath.empty() && rawPath.empty()) return SceneUsage();

  const Size size = scene::CanvasSize();
  raster::Bitmap bitmap(size.cx, size.cy);
  {
    sim::SoftGdi gdi;
    sim::SoftDc dc(bitmap, gdi);
    scene::DrawScene(dc);
  }
  if (!pngPath.empty() && !raster::SavePng(bitmap, pngPath, false)) {
    std::fprintf(stderr, "glavo scene: cannot write %s\n", pngPath.c_str());
    return 1;
  }
  if (!rawPath.empty() &&
      !scene::WriteRawImage(rawPath, scene::RawImage{size.cx, size.cy, bitmap.pixels()})) {
    std::fprintf(stderr, "glavo scene: cannot write %s\n", rawPath.c_str());
    return 1;
  }
  return 0;
}

}  // namespace glavo::tool
