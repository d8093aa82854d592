// Anti-aliased lines, ellipses and elliptic arcs on a bitmap.
//
// Every primitive comes twice. The GP variants read and write single pixels
// of a device context. The DIB variants work on an in-memory copy of a
// bitmap: DIB() takes the copy, any number of LineDIB / CircleDIB / ArcDIB
// calls draw into it, and Array2Pic() writes it back. Both variants of the
// line and of the ellipse produce identical pixels; the arcs differ in where
// their angle 0 lies (see ArcGP and ArcDIB).
//
// Pixels are blended by intensity 0..255: above 252 the pixel takes the
// drawing colour; otherwise each channel becomes
// (colour * a + current * (255 - a)) / 256, truncated.
#pragma once

#include <cstdint>
#include <vector>

#include "draw/device_context.h"
#include "draw/types.h"
#include "graphics/intensity_blend.h"
#include "runtime/color_table.h"
#include "runtime/message_box.h"

namespace glavo {

class LineGS {
 public:
  // The largest DIB copy DIB() will take (width x height pixels).
  static constexpr std::int64_t kMaxDibPixels = std::int64_t{1} << 26;

  // `colors` translates drawing colours; `messages` shows the message of a
  // DIB drawing called without a DIB copy. Both must outlive the object.
  LineGS(const ColorTable& colors, MessageBox& messages);
  // For callers that always take the DIB copy first: the message has no
  // one to tell, and a DIB drawing without a copy only draws nothing.
  explicit LineGS(const ColorTable& colors);

  // Copies the top w1 x h1 pixels of `bitmap` into the DIB array (the part
  // outside the bitmap reads as black) and makes the DIB methods ready. The
  // context is kept for Array2Pic and must stay alive until then. A size
  // below 1, a size above kMaxDibPixels, a copy there is no memory for, or a
  // bitmap of which no row can be read leaves no array and the DIB methods
  // not ready.
  void DIB(DeviceContext& hdc, BitmapHandle handle, std::int32_t W1, std::int32_t H1);

  // Whole ellipse with centre (X1, Y1) and semi-axes RadiusX, RadiusY.
  // Thickness 1 samples twice as densely as any other value. Throws
  // OverflowError when a sample lands outside the 32-bit range. Curves far
  // larger than any surface stop after kMaxCurveSamples samples.
  void CircleGP(DeviceContext& hdc, std::int32_t X1, std::int32_t Y1, std::int32_t RadiusX,
                std::int32_t RadiusY, OleColor Color, std::int32_t Thickness);

  // Arc from StartAngle to StopAngle degrees with 0 at the top of the
  // ellipse, growing clockwise on the screen (90 right, 180 bottom). A start
  // above the stop runs over 360. Throws like CircleGP.
  void ArcGP(DeviceContext& hdc, std::int32_t X1, std::int32_t Y1, std::int32_t RadiusX,
             std::int32_t RadiusY, float StartAngle, float StopAngle, OleColor Color,
             std::int32_t Thickness);

  // CircleGP into the DIB array. Without a DIB copy it draws nothing and
  // shows "You must create a DIB array / before calling CircleDIB.".
  void CircleDIB(std::int32_t X1, std::int32_t Y1, std::int32_t RadiusX, std::int32_t RadiusY,
                 OleColor Color, std::int32_t Thickness);

  // Arc into the DIB array with 0 at the bottom of the ellipse, growing
  // counter-clockwise on the screen (90 right, 180 top). Silent: without a
  // DIB copy it does nothing, and a sample that cannot be placed is skipped.
  void ArcDIB(std::int32_t X1, std::int32_t Y1, std::int32_t RadiusX, std::int32_t RadiusY,
              float StartAngle, float StopAngle, OleColor Color, std::int32_t Thickness);

  // Makes `Color` the drawing colour; a colour that cannot be translated
  // draws black.
  void SetRGBComponents(OleColor Color);

  // Anti-aliased line with 127-intensity caps one step beyond each end. A
  // line from a point to itself draws nothing.
  void LineGP(DeviceContext& hdc, std::int16_t X1, std::int16_t Y1, std::int16_t X2,
              std::int16_t Y2, OleColor Color);

  // LineGP into the DIB array; without a DIB copy it draws nothing and shows
  // "You must create a DIB array / before calling LineDIB.".
  void LineDIB(std::int16_t X1, std::int16_t Y1, std::int16_t X2, std::int16_t Y2, OleColor Color);

  // Writes the DIB array back into the bitmap through the last device
  // context given to DIB or to a GP method, and ends the DIB series. Does
  // nothing when no DIB copy is ready. The array stays allocated.
  void Array2Pic();

  bool DIBReady() const { return dibReady_; }
  Rgb LineColor() const { return color_.rgb; }

 private:
  void PlotGP(DeviceContext& hdc, std::int32_t x, std::int32_t y, int intensity);
  void PlotDIB(std::int32_t x, std::int32_t y, int intensity);
  void SplatGP(DeviceContext& hdc, std::int32_t x1, std::int32_t y1, float cx, float cy);
  void SplatDIB(std::int32_t x1, std::int32_t y1, float cx, float cy);
  void MissingDibMessage(const char16_t* method);

  const ColorTable& colors_;
  MessageBox* messages_ = nullptr;
  DeviceContext* targetDC_ = nullptr;
  BitmapHandle dibHandle_ = 0;
  std::int32_t dibWidth_ = 0;
  std::int32_t dibHeight_ = 0;
  // Top-down rows of 0x00RRGGBB pixels (bytes B, G, R, x), x fastest.
  std::vector<std::uint32_t> dibBits_;
  bool dibReady_ = false;
  DrawingColor color_;
};

}  // namespace glavo
