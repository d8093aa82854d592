// The demonstration scene drawn through real GDI into a DIB section: its
// pixels and its tile table, for the native suite to compare with the
// software host.
#include <windows.h>

#include <fstream>

#include "platform/win32/memory_dc.h"
#include "scene/raw_image.h"
#include "scene/scene.h"
#include "scene/tile_table.h"
#include "win32_checks.h"

namespace win32_check {

void WriteScene(Report report, const char* imagePath, const char* tablePath) {
  const glavo::Size size = glavo::scene::CanvasSize();
  glavo::win32::MemoryDc canvas(size.cx, size.cy);
  if (!canvas.valid()) {
    report("scene.written", false, "cannot create a " + std::to_string(size.cx) + "x" + std::to_string(size.cy) +
                                       " DIB section");
    return;
  }
  glavo::scene::DrawScene(canvas.dc());
  GdiFlush();
  const glavo::scene::RawImage image{size.cx, size.cy, {canvas.pixels(), canvas.pixels() + size.cx * size.cy}};
  std::ofstream table(tablePath, std::ios::binary | std::ios::trunc);
  table << glavo::scene::TileTable();
  const bool written = glavo::scene::WriteRawImage(imagePath, image) && table.flush();
  report("scene.written", written, std::string("cannot write ") + imagePath + " or " + tablePath);
}

}  // namespace win32_check
