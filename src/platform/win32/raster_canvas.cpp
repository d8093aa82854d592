#include "platform/win32/raster_canvas.h"

#include <algorithm>

#include "platform/win32/dib_info.h"
#include "platform/win32/memory_dc.h"

namespace glavo::win32 {

RasterCanvas::RasterCanvas(int width, int height)
    : bitmap_(std::max(width, 1), std::max(height, 1)), dc_(bitmap_) {}

void RasterCanvas::resize(int width, int height) { bitmap_.resize(std::max(width, 1), std::max(height, 1)); }

// Only the rows of `area` are handed over, as a top-down DIB of their own.
void RasterCanvas::present(HDC target, const RECT& area) {
  const int left = std::max<int>(area.left, 0), right = std::min<int>(area.right, width());
  const int top = std::max<int>(area.top, 0), bottom = std::min<int>(area.bottom, height());
  if (left >= right || top >= bottom) return;
  for (int y = top; y < bottom; ++y) bitmap_.row(y);  // settles rows whose fill is pending
  PresentRows(target, bitmap_.row(top), width(), RECT{left, top, right, bottom});
}

void PresentRows(HDC target, const std::uint32_t* firstRow, int stride, const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  const BITMAPINFO info = DibInfo(stride, -height, 32);
  StretchDIBits(target, area.left, area.top, width, height, area.left, 0, width, height, firstRow, &info,
                DIB_RGB_COLORS, SRCCOPY);
}

std::unique_ptr<WindowCanvas> MakeCanvas(Drawing drawing, int width, int height) {
  if (drawing == Drawing::kGdi) return std::make_unique<MemoryDc>(width, height);
  return std::make_unique<RasterCanvas>(width, height);
}

}  // namespace glavo::win32
