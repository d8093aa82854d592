// The GDI-like device context through which all drawing code paints.
//
// The operations mirror the GDI calls the controls need, with GDI's rules
// (right/bottom exclusive, LineTo leaves its end point, RoundRect draws with
// the current pen and brush). Two backends implement it: our own software
// raster (src/raster) and real GDI (src/platform/win32).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "draw/types.h"

namespace glavo {

// Opaque handles for GDI objects owned by a backend. 0 is "no object".
using FontHandle = std::uintptr_t;
using BitmapHandle = std::uintptr_t;

// The fields of a LOGFONT that the controls set; all others are zero.
struct LogFont {
  int height = 0;        // < 0: character height in pixels; > 0: cell height
  int width = 0;
  int escapement = 0;    // tenths of a degree, counter-clockwise
  int orientation = 0;   // tenths of a degree, counter-clockwise
  int weight = 0;        // 0 = default (400), 700 = bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::uint8_t charSet = 0;
  std::uint8_t quality = 0;  // 4 = ANTIALIASED_QUALITY
  std::string faceName;      // at most 31 characters are used
};

// Windows COLORADJUSTMENT; brightness is -100..100.
struct ColorAdjustment {
  std::uint16_t size = 24;
  std::uint16_t flags = 0;
  std::uint16_t illuminantIndex = 0;
  std::uint16_t redGamma = 10000;
  std::uint16_t greenGamma = 10000;
  std::uint16_t blueGamma = 10000;
  std::uint16_t referenceBlack = 0;
  std::uint16_t referenceWhite = 10000;
  std::int16_t contrast = 0;
  std::int16_t brightness = 0;
  std::int16_t colorfulness = 0;
  std::int16_t redGreenTint = 0;
};

// Windows BLENDFUNCTION for AlphaBlend.
struct BlendFunction {
  std::uint8_t blendOp = 0;       // AC_SRC_OVER
  std::uint8_t blendFlags = 0;
  std::uint8_t constantAlpha = 255;
  std::uint8_t alphaFormat = 0;   // 1 = AC_SRC_ALPHA (premultiplied per-pixel alpha)
};

// The part of a BITMAPINFOHEADER the DIB transfers use. height < 0 = top-down.
struct DibHeader {
  int width = 0;
  int height = 0;
  int bitCount = 32;  // 24 or 32
};

struct TextMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int averageCharWidth = 0;
};

// DrawTextW format flags (values as in Windows).
namespace dt {
inline constexpr unsigned kLeft = 0x0;
inline constexpr unsigned kCenter = 0x1;
inline constexpr unsigned kRight = 0x2;
inline constexpr unsigned kVCenter = 0x4;
inline constexpr unsigned kBottom = 0x8;
inline constexpr unsigned kWordBreak = 0x10;
inline constexpr unsigned kSingleLine = 0x20;
inline constexpr unsigned kNoClip = 0x100;
inline constexpr unsigned kCalcRect = 0x400;
inline constexpr unsigned kNoPrefix = 0x800;
}  // namespace dt

inline constexpr int kStretchHalftone = 4;
inline constexpr int kStretchColorOnColor = 3;
inline constexpr std::uint32_t kSrcCopy = 0x00CC0020u;
inline constexpr int kGmCompatible = 1;
inline constexpr int kGmAdvanced = 2;
inline constexpr int kBkTransparent = 1;
inline constexpr int kBkOpaque = 2;

class DeviceContext {
 public:
  virtual ~DeviceContext() = default;

  // Size of the selected bitmap (the drawable area) in pixels.
  virtual int width() const = 0;
  virtual int height() const = 0;

  // Pen for lines and outlines (PS_SOLID with GDI's wide-pen geometry); a
  // width below 1 draws one pixel wide. Brush for interiors; a hollow brush
  // leaves interiors untouched.
  virtual void setPen(Rgb color, int width) = 0;
  virtual void setBrush(Rgb color, bool solid) = 0;

  virtual void moveTo(int x, int y) = 0;
  // Draws from the current position to (x, y), leaving (x, y) itself out.
  virtual void lineTo(int x, int y) = 0;
  // Pen outline and brush interior; right/bottom exclusive.
  virtual void rectangle(int left, int top, int right, int bottom) = 0;
  virtual void roundRect(int left, int top, int right, int bottom, int ellipseWidth,
                         int ellipseHeight) = 0;
  virtual void ellipse(int left, int top, int right, int bottom) = 0;
  // FillRect with a solid brush of the colour; no outline.
  virtual void fillRect(const Rect& r, Rgb color) = 0;

  virtual Rgb getPixel(int x, int y) const = 0;  // kInvalidColor outside
  virtual void setPixel(int x, int y, Rgb color) = 0;  // SetPixelV

  // The bitmap selected into this context, for the DIB transfers below.
  virtual BitmapHandle selectedBitmap() const = 0;
  // GetDIBits / SetDIBits of rows [startScan, startScan + lines) of `bitmap`
  // in the 32-bit (bitCount 32, BGRx) layout of `header`. Only the part that
  // overlaps the bitmap is transferred. Returns the number of rows copied.
  virtual int getDIBits(BitmapHandle bitmap, int startScan, int lines, const DibHeader& header,
                        void* bits) = 0;
  virtual int setDIBits(BitmapHandle bitmap, int startScan, int lines, const DibHeader& header,
                        const void* bits) = 0;
  // SetDIBitsToDevice of 24- or 32-bit rows (rows padded to 4 bytes,
  // bottom-up unless header.height < 0).
  virtual int setDIBitsToDevice(int x, int y, int w, int h, int srcX, int srcY, int startScan,
                                int lines, const void* bits, const DibHeader& header) = 0;

  // The memory of row y, 32-bit BGRx pixels from its first, for drawing
  // code that then writes every pixel of [left, right) itself; null when the
  // backend keeps no pixel memory (real GDI), and the rows then go through
  // setDIBitsToDevice.
  virtual std::uint32_t* overwriteRow(int y, int left, int right) { return nullptr; }

  virtual int setStretchBltMode(int mode) = 0;  // returns the previous mode
  virtual ColorAdjustment getColorAdjustment() const = 0;
  virtual void setColorAdjustment(const ColorAdjustment& ca) = 0;
  // StretchBlt; negative extents mirror as in GDI. In HALFTONE mode the
  // context's colour adjustment is applied while copying.
  virtual bool stretchBlt(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                          int sh, std::uint32_t rop) = 0;
  virtual bool alphaBlend(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy,
                          int sw, int sh, const BlendFunction& blend) = 0;

  // Fonts: created by this context's backend, selected like GDI objects.
  // selectFont returns the previously selected font; deleteFont refuses
  // (returns false) a font that is still selected.
  virtual FontHandle createFont(const LogFont& lf) = 0;
  virtual FontHandle selectFont(FontHandle font) = 0;
  virtual bool deleteFont(FontHandle font) = 0;
  virtual FontHandle selectedFont() const = 0;

  virtual int setGraphicsMode(int mode) = 0;
  virtual Rgb setTextColor(Rgb color) = 0;
  virtual int setBkMode(int mode) = 0;
  virtual Rgb setBkColor(Rgb color) = 0;

  // DrawTextW; returns the height of the text drawn (or measured with
  // dt::kCalcRect, which also updates `rect`).
  virtual int drawText(std::u16string_view text, Rect& rect, unsigned format) = 0;
  // GetTextExtentPoint32W with the selected font.
  virtual Size textExtent(std::u16string_view text) = 0;
  virtual TextMetrics textMetrics() = 0;
};

}  // namespace glavo
