// Our own raster behind a GDI-like device context: pens, brushes, shapes,
// pixels, DIB transfers and blits over a 32-bit bitmap, with GDI's rules.
// Text is left to the backend that owns the fonts: FreeType on the
// software host (SoftDc), the system's own text on Windows.
#pragma once

#include <cstdint>
#include <vector>

#include "draw/device_context.h"
#include "draw/noncopyable.h"
#include "raster/bitmap.h"
#include "raster/raster_geometry.h"

namespace glavo::raster {

class Coverage;

// The state a device context keeps for text; shapes read its graphics mode.
struct TextState {
  Rgb color = 0;
  int bkMode = kBkOpaque;
  Rgb bkColor = 0xFFFFFF;
  int graphicsMode = kGmCompatible;
};

// Starts like a fresh memory DC: black one-pixel pen, white solid brush,
// black text on an opaque white background, GM_COMPATIBLE, BLACKONWHITE
// stretching and the default colour adjustment. The bitmap (its address is
// the BitmapHandle) must outlive the DC. Blits take their source from
// another RasterDc.
class RasterDc : public DeviceContext, Noncopyable {
 public:
  explicit RasterDc(Bitmap& bitmap);

  Bitmap& bitmap() { return bitmap_; }
  const Bitmap& bitmap() const { return bitmap_; }
  Point currentPosition() const { return position_; }
  int stretchBltMode() const { return stretchMode_; }
  const TextState& textState() const { return text_; }

  int width() const override { return bitmap_.width(); }
  int height() const override { return bitmap_.height(); }

  void setPen(Rgb color, int width) override;
  void setBrush(Rgb color, bool solid) override;
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void roundRect(int left, int top, int right, int bottom, int ellipseWidth,
                 int ellipseHeight) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void fillRect(const Rect& r, Rgb color) override;

  Rgb getPixel(int x, int y) const override;
  void setPixel(int x, int y, Rgb color) override;

  BitmapHandle selectedBitmap() const override;
  int getDIBits(BitmapHandle bitmap, int startScan, int lines, const DibHeader& header,
                void* bits) override;
  int setDIBits(BitmapHandle bitmap, int startScan, int lines, const DibHeader& header,
                const void* bits) override;
  std::uint32_t* overwriteRow(int y, int left, int right) override;
  int setDIBitsToDevice(int x, int y, int w, int h, int srcX, int srcY, int startScan, int lines,
                        const void* bits, const DibHeader& header) override;

  int setStretchBltMode(int mode) override;
  ColorAdjustment getColorAdjustment() const override { return adjustment_; }
  void setColorAdjustment(const ColorAdjustment& ca) override { adjustment_ = ca; }
  bool stretchBlt(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                  int sh, std::uint32_t rop) override;
  bool alphaBlend(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                  int sh, const BlendFunction& blend) override;

  int setGraphicsMode(int mode) override;
  Rgb setTextColor(Rgb color) override;
  int setBkMode(int mode) override;
  Rgb setBkColor(Rgb color) override;

 protected:
  Rect surface() const { return {0, 0, bitmap_.width(), bitmap_.height()}; }

 private:
  bool widePen() const { return penWidth_ > 1; }
  // The part of the surface a shape in `box` can touch with the current pen.
  Rect reach(const Rect& box) const;
  void addOutline(Coverage& outline, std::vector<Vertex> points, bool closed) const;
  // Paints `interior` less the outline with the brush (unless hollow), then
  // the outline, which may reach anywhere in `reach`.
  void strokeAndFill(std::vector<Vertex> outline, Coverage& interior, const Rect& reach);
  void roundedShape(const Rect& box, std::int64_t ellipseWidth, std::int64_t ellipseHeight);
  static RasterDc* rasterSource(DeviceContext& src);

  Bitmap& bitmap_;
  Pixel pen_ = PixelFromRgb(0);
  int penWidth_ = 1;
  Pixel brush_ = PixelFromRgb(0xFFFFFF);
  bool brushSolid_ = true;
  Point position_;
  int stretchMode_ = 1;
  ColorAdjustment adjustment_;
  TextState text_;
};

}  // namespace glavo::raster
