// What a control's window shows: an off-screen canvas that can put itself
// on the window. Two kinds: our raster with the system's text (what the
// control draws with) and GDI throughout (to compare our raster with it).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "draw/offscreen.h"
#include "draw/row_fills.h"

namespace glavo::win32 {

enum class Drawing { kRaster, kGdi };

class WindowCanvas : public Offscreen {
 public:
  // Copies `area` of the canvas to the same place of `target`.
  virtual void present(HDC target, const RECT& area) = 0;
  // The pixels, top row first, width() per row, 0xAARRGGBB; valid until
  // the next drawing or resize.
  virtual const std::uint32_t* shownPixels() = 0;
  // Row y of those pixels; a canvas that fills lazily settles only that row.
  virtual const std::uint32_t* shownRow(int y) {
    return shownPixels() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width());
  }
  // Row y, whose pixels in `fill` (when not empty) are not written but all
  // fill.value: a canvas that fills lazily writes nothing.
  virtual const std::uint32_t* shownRow(int y, RowSpan& fill) {
    fill = RowSpan{};
    return shownRow(y);
  }
};

std::unique_ptr<WindowCanvas> MakeCanvas(Drawing drawing, int width, int height);

// Copies `area` of a picture of `stride` pixels a row, whose row `area.top`
// starts at `firstRow`, to the same place of `target`.
void PresentRows(HDC target, const std::uint32_t* firstRow, int stride, const RECT& area);

}  // namespace glavo::win32
