// glavo-scene OUT.bgra TILES.txt: draws the demonstration scene through real
// GDI into a DIB section and writes its pixels and its tile table, for the
// comparison with the software host.
#include <windows.h>

#include <cstdio>
#include <fstream>

#include "platform/win32/memory_dc.h"
#include "scene/raw_image.h"
#include "scene/scene.h"
#include "scene/tile_table.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const glavo::Size size = glavo::scene::CanvasSize();
  glavo::win32::MemoryDc canvas(size.cx, size.cy);
  if (!canvas.valid()) {
    std::fprintf(stderr, "glavo-scene: cannot create a %dx%d DIB section\n", size.cx, size.cy);
    return 1;
  }
  glavo::scene::DrawScene(canvas.dc());
  GdiFlush();
  const glavo::scene::RawImage image{size.cx, size.cy, {canvas.pixels(), canvas.pixels() + size.cx * size.cy}};
  std::ofstream table(argv[2], std::ios::binary | std::ios::trunc);
  table << glavo::scene::TileTable();
  if (!glavo::scene::WriteRawImage(argv[1], image) || !table.flush()) {
    std::fprintf(stderr, "glavo-scene: cannot write %s or %s\n", argv[1], argv[2]);
    return 1;
  }
  return 0;
}
