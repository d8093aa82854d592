// A software bitmap with its device context, a context to override single
// operations of (a failing GetPixel, a recorded transfer), and a message box
// that records.
#pragma once

#include <string>
#include <vector>

#include "platform/sim/soft_dc.h"
#include "platform/sim/soft_gdi.h"
#include "raster/bitmap.h"
#include "runtime/message_box.h"

namespace glavo::testing {

struct Canvas {
  Canvas(int width, int height, Rgb background)
      : bitmap(width, height, raster::PixelFromRgb(background)), dc(bitmap, gdi) {}

  Rgb at(int x, int y) const { return raster::RgbFromPixel(bitmap.at(x, y)) & 0xFFFFFFu; }
  BitmapHandle handle() const { return dc.selectedBitmap(); }

  raster::Bitmap bitmap;
  sim::SoftGdi gdi;
  sim::SoftDc dc;
};

// Our raster without text: these tests draw none.
struct TextlessDc : raster::RasterDc {
  using RasterDc::RasterDc;
  FontHandle createFont(const LogFont&) override { return 0; }
  FontHandle selectFont(FontHandle) override { return 0; }
  bool deleteFont(FontHandle) override { return false; }
  FontHandle selectedFont() const override { return 0; }
  int drawText(std::u16string_view, Rect&, unsigned) override { return 0; }
  Size textExtent(std::u16string_view) override { return {}; }
  TextMetrics textMetrics() override { return {}; }
};

struct RecordingMessageBox : MessageBox {
  struct Shown {
    std::u16string text;
    std::u16string title;
    unsigned style;
  };
  void show(const std::u16string& text, const std::u16string& title, unsigned style) override {
    shown.push_back({text, title, style});
  }
  std::vector<Shown> shown;
};

// Fills a canvas with a diagonal two-colour ramp, so blends are not all alike.
inline void PaintRamp(Canvas& canvas) {
  for (int y = 0; y < canvas.bitmap.height(); ++y) {
    for (int x = 0; x < canvas.bitmap.width(); ++x) {
      canvas.dc.setPixel(x, y, MakeRgb(40 + 3 * x, 200 - 2 * y, (x * y) & 255));
    }
  }
}

}  // namespace glavo::testing
