// A device context that passes every call on to another one, so a test can
// override single operations (a failing GetPixel, a recorded transfer).
#pragma once

#include "draw/device_context.h"

namespace glavo::testing {

class ForwardingDc : public DeviceContext {
 public:
  explicit ForwardingDc(DeviceContext& inner) : inner_(inner) {}

  int width() const override { return inner_.width(); }
  int height() const override { return inner_.height(); }
  void setPen(Rgb color, int width) override { inner_.setPen(color, width); }
  void setBrush(Rgb color, bool solid) override { inner_.setBrush(color, solid); }
  void moveTo(int x, int y) override { inner_.moveTo(x, y); }
  void lineTo(int x, int y) override { inner_.lineTo(x, y); }
  void rectangle(int l, int t, int r, int b) override { inner_.rectangle(l, t, r, b); }
  void roundRect(int l, int t, int r, int b, int ew, int eh) override {
    inner_.roundRect(l, t, r, b, ew, eh);
  }
  void ellipse(int l, int t, int r, int b) override { inner_.ellipse(l, t, r, b); }
  void fillRect(const Rect& r, Rgb color) override { inner_.fillRect(r, color); }
  Rgb getPixel(int x, int y) const override { return inner_.getPixel(x, y); }
  void setPixel(int x, int y, Rgb color) override { inner_.setPixel(x, y, color); }
  BitmapHandle selectedBitmap() const override { return inner_.selectedBitmap(); }
  int getDIBits(BitmapHandle bitmap, int start, int lines, const DibHeader& header,
                void* bits) override {
    return inner_.getDIBits(bitmap, start, lines, header, bits);
  }
  int setDIBits(BitmapHandle bitmap, int start, int lines, const DibHeader& header,
                const void* bits) override {
    return inner_.setDIBits(bitmap, start, lines, header, bits);
  }
  int setDIBitsToDevice(int x, int y, int w, int h, int srcX, int srcY, int start, int lines,
                        const void* bits, const DibHeader& header) override {
    return inner_.setDIBitsToDevice(x, y, w, h, srcX, srcY, start, lines, bits, header);
  }
  int setStretchBltMode(int mode) override { return inner_.setStretchBltMode(mode); }
  ColorAdjustment getColorAdjustment() const override { return inner_.getColorAdjustment(); }
  void setColorAdjustment(const ColorAdjustment& ca) override { inner_.setColorAdjustment(ca); }
  bool stretchBlt(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                  int sh, std::uint32_t rop) override {
    return inner_.stretchBlt(dx, dy, dw, dh, unwrap(src), sx, sy, sw, sh, rop);
  }
  bool alphaBlend(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                  int sh, const BlendFunction& blend) override {
    return inner_.alphaBlend(dx, dy, dw, dh, unwrap(src), sx, sy, sw, sh, blend);
  }
  FontHandle createFont(const LogFont& lf) override { return inner_.createFont(lf); }
  FontHandle selectFont(FontHandle font) override { return inner_.selectFont(font); }
  bool deleteFont(FontHandle font) override { return inner_.deleteFont(font); }
  FontHandle selectedFont() const override { return inner_.selectedFont(); }
  int setGraphicsMode(int mode) override { return inner_.setGraphicsMode(mode); }
  Rgb setTextColor(Rgb color) override { return inner_.setTextColor(color); }
  int setBkMode(int mode) override { return inner_.setBkMode(mode); }
  Rgb setBkColor(Rgb color) override { return inner_.setBkColor(color); }
  int drawText(std::u16string_view text, Rect& rect, unsigned format) override {
    return inner_.drawText(text, rect, format);
  }
  Size textExtent(std::u16string_view text) override { return inner_.textExtent(text); }
  TextMetrics textMetrics() override { return inner_.textMetrics(); }

 protected:
  DeviceContext& inner() { return inner_; }

 private:
  // A blit from this wrapper to itself is a blit of the inner context.
  DeviceContext& unwrap(DeviceContext& src) { return &src == this ? inner_ : src; }

  DeviceContext& inner_;
};

}  // namespace glavo::testing
