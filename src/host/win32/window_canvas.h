// What a control's window shows: an off-screen canvas that can put itself
// on the window. Two kinds: our raster with the system's text (what the
// control draws with) and GDI throughout (to compare our raster with it).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "host/offscreen.h"

namespace glavo::win32 {

enum class Drawing { kRaster, kGdi };

class WindowCanvas : public Offscreen {
 public:
  // Copies `area` of the canvas to the same place of `target`.
  virtual void present(HDC target, const RECT& area) = 0;
  // The pixels, top row first, width() per row, 0xAARRGGBB; valid until
  // the next drawing or resize.
  virtual const std::uint32_t* shownPixels() = 0;
};

std::unique_ptr<WindowCanvas> MakeCanvas(Drawing drawing, int width, int height);

}  // namespace glavo::win32
