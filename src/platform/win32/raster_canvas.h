// A window canvas drawn by our raster into plain memory, with GDI text
// (GdiTextDc). Resizing keeps the memory of a slightly larger size, so a
// drag that grows the surface a few pixels a step allocates nothing.
#pragma once

#include "platform/win32/gdi_text_dc.h"
#include "platform/win32/window_canvas.h"
#include "raster/bitmap.h"

namespace glavo::win32 {

class RasterCanvas final : public WindowCanvas {
 public:
  // A size below 1 is kept at 1 pixel, as for a memory DC.
  RasterCanvas(int width, int height);

  DeviceContext& dc() override { return dc_; }
  void resize(int width, int height) override;
  int width() const override { return bitmap_.width(); }
  int height() const override { return bitmap_.height(); }
  void present(HDC target, const RECT& area) override;
  const std::uint32_t* shownPixels() override { return bitmap_.pixels().data(); }
  const std::uint32_t* shownRow(int y) override { return bitmap_.row(y); }
  const std::uint32_t* shownRow(int y, RowSpan& fill) override {
    if (bitmap_.pendingSpan(y, fill)) return bitmap_.rowOutsidePending(y);
    fill = RowSpan{};
    return bitmap_.row(y);
  }
  void readOpaque(std::uint32_t* out, RowFills& fills) override { bitmap_.readOpaque(out, fills); }

 private:
  raster::Bitmap bitmap_;
  GdiTextDc dc_;
};

}  // namespace glavo::win32
