// glavo-cell-styles: paints a cell in every fill style and every border
// style through the Win32 backend (a real child window and GDI) and writes
// the painted surfaces one under the other, for the comparison with the
// software host.
//
//   glavo-cell-styles <out.bgra>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "cell/cell_style_strip.h"
#include "cell/glavo_cell.h"
#include "platform/win32/inner_surface.h"
#include "platform/win32/win32_color_table.h"
#include "platform/win32/window_surface.h"
#include "scene/raw_image.h"

namespace {

class CursorDesktop final : public glavo::Desktop {
 public:
  glavo::Point cursorPos() const override {
    POINT p{};
    GetCursorPos(&p);
    return glavo::Point{p.x, p.y};
  }
  glavo::WindowHandle windowFromPoint(glavo::Point p) const override {
    return reinterpret_cast<glavo::WindowHandle>(WindowFromPoint(POINT{p.x, p.y}));
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "--help") == 0) {
    std::fprintf(stderr, "usage: glavo-cell-styles <out.bgra>\n");
    return 2;
  }
  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 200, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (!host) {
    std::fprintf(stderr, "glavo-cell-styles: cannot create the host window\n");
    return 1;
  }
  glavo::win32::Win32ColorTable colors;
  CursorDesktop desktop;
  glavo::win32::WindowSurface form(host, colors, desktop, {}, glavo::win32::Drawing::kGdi);
  glavo::scene::RawImage image;
  image.width = glavo::kStripCellWidth;
  image.height = glavo::kStripCellHeight * glavo::kStripCells;
  image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
  for (int index = 0; index < glavo::kStripCells; ++index) {
    auto surface = form.createChild();
    auto* part = static_cast<glavo::win32::InnerSurface*>(surface.get());
    glavo::GlavoCell cell(std::move(surface));
    glavo::PaintStripCell(cell, index);
    GdiFlush();
    const std::uint32_t* pixels = part->canvas().shownPixels();
    const int bufferWidth = part->canvas().width();
    for (int y = 0; y < glavo::kStripCellHeight; ++y) {
      for (int x = 0; x < glavo::kStripCellWidth; ++x) {
        image.pixels[static_cast<std::size_t>(index * glavo::kStripCellHeight + y) * image.width + x] =
            pixels[static_cast<std::size_t>(y) * bufferWidth + x] | 0xFF000000u;
      }
    }
    std::printf("%d painted\n", index);
  }
  DestroyWindow(host);
  if (!glavo::scene::WriteRawImage(argv[1], image)) {
    std::fprintf(stderr, "glavo-cell-styles: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
