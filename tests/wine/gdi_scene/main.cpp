// glavo-scene: draws the demonstration scene through real GDI into a DIB
// section and writes its pixels, for the comparison with the software host.
//
//   glavo-scene <out.bgra> [<tiles.txt>]
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>

#include "platform/win32/memory_dc.h"
#include "scene/raw_image.h"
#include "scene/scene.h"
#include "scene/tile_table.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || std::strcmp(argv[1], "--help") == 0) {
    std::fprintf(stderr, "usage: glavo-scene <out.bgra> [<tiles.txt>]\n");
    return 2;
  }
  const glavo::Size size = glavo::scene::CanvasSize();
  glavo::win32::MemoryDc canvas(size.cx, size.cy);
  if (!canvas.valid()) {
    std::fprintf(stderr, "glavo-scene: cannot create a %dx%d DIB section\n", size.cx, size.cy);
    return 1;
  }
  glavo::scene::DrawScene(canvas.dc());
  GdiFlush();
  glavo::scene::RawImage image;
  image.width = size.cx;
  image.height = size.cy;
  image.pixels.assign(canvas.pixels(), canvas.pixels() + size.cx * size.cy);
  if (!glavo::scene::WriteRawImage(argv[1], image)) {
    std::fprintf(stderr, "glavo-scene: cannot write %s\n", argv[1]);
    return 1;
  }
  if (argc == 3) {
    std::ofstream table(argv[2], std::ios::binary | std::ios::trunc);
    table << glavo::scene::TileTable();
    if (!table.flush()) {
      std::fprintf(stderr, "glavo-scene: cannot write %s\n", argv[2]);
      return 1;
    }
  }
  return 0;
}
