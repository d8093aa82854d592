// DeviceContext over a real GDI device context.
#pragma once

#include <windows.h>

#include <unordered_set>

#include "draw/device_context.h"
#include "draw/noncopyable.h"

namespace glavo::win32 {

// Draws through an HDC it does not own. Pens and brushes are created on
// demand, kept selected while in use and deleted when replaced; fonts made by
// createFont are tracked so that deleting a selected one is refused (the
// stock font "deletes" successfully, as in GDI), and any left over are
// deleted with the context. The objects the HDC had selected
// when wrapped are put back on destruction.
class Win32Dc final : public DeviceContext, Noncopyable {
 public:
  explicit Win32Dc(HDC hdc);
  ~Win32Dc() override;

  HDC hdc() const { return hdc_; }

  int width() const override;
  int height() const override;

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
  int setDIBitsToDevice(int x, int y, int w, int h, int srcX, int srcY, int startScan, int lines,
                        const void* bits, const DibHeader& header) override;

  int setStretchBltMode(int mode) override;
  ColorAdjustment getColorAdjustment() const override;
  void setColorAdjustment(const ColorAdjustment& ca) override;
  bool stretchBlt(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                  int sh, std::uint32_t rop) override;
  bool alphaBlend(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                  int sh, const BlendFunction& blend) override;

  FontHandle createFont(const LogFont& lf) override;
  FontHandle selectFont(FontHandle font) override;
  bool deleteFont(FontHandle font) override;
  FontHandle selectedFont() const override;

  int setGraphicsMode(int mode) override;
  Rgb setTextColor(Rgb color) override;
  int setBkMode(int mode) override;
  Rgb setBkColor(Rgb color) override;

  int drawText(std::u16string_view text, Rect& rect, unsigned format) override;
  Size textExtent(std::u16string_view text) override;
  TextMetrics textMetrics() override;

 private:
  // The HDC of another context for blits; null when it is not a Win32Dc.
  static HDC sourceHdc(DeviceContext& src);
  void replacePen(HPEN pen);
  void replaceBrush(HBRUSH brush, bool owned);

  HDC hdc_;
  HGDIOBJ originalPen_;
  HGDIOBJ originalBrush_;
  HGDIOBJ originalFont_;
  HPEN pen_ = nullptr;      // ours, selected
  HBRUSH brush_ = nullptr;  // ours when brushOwned_, selected
  bool brushOwned_ = false;
  std::unordered_set<HFONT> fonts_;  // created here and not yet deleted
};

}  // namespace glavo::win32
