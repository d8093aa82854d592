#include "raster/raster_dc.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "raster/raster_alpha_blend.h"
#include "raster/raster_coverage.h"
#include "raster/raster_dib.h"
#include "raster/raster_ellipse.h"
#include "raster/raster_line.h"
#include "raster/raster_polygon.h"
#include "raster/raster_stretch.h"
#include "raster/raster_wide_pen.h"

namespace glavo::raster {

namespace {

constexpr int kBlackOnWhite = 1;
// Pens wider than any surface behave alike; the cap keeps discs bounded.
constexpr int kMaxPenWidth = 1 << 15;

int ClampToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// The part of [l, r) x [t, b) inside `within`; an empty rectangle when none.
Rect ClampRect(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b, const Rect& within) {
  l = std::max<std::int64_t>(l, within.left);
  t = std::max<std::int64_t>(t, within.top);
  r = std::min<std::int64_t>(r, within.right);
  b = std::min<std::int64_t>(b, within.bottom);
  if (l >= r || t >= b) return {};
  return {ClampToInt(l), ClampToInt(t), ClampToInt(r), ClampToInt(b)};
}

// GM_COMPATIBLE rectangles leave out the right column and bottom row; the
// pen runs along the last column and row that remain.
std::vector<Vertex> RectangleOutline(const Rect& box) {
  const std::int64_t right = static_cast<std::int64_t>(box.right) - 1;
  const std::int64_t bottom = static_cast<std::int64_t>(box.bottom) - 1;
  return {{right, box.top}, {box.left, box.top}, {box.left, bottom}, {right, bottom}};
}

Point ToPoint(const Vertex& v) { return {ClampToInt(v.x), ClampToInt(v.y)}; }

}  // namespace

RasterDc::RasterDc(Bitmap& bitmap) : bitmap_(bitmap) {}

void RasterDc::setPen(Rgb color, int width) {
  pen_ = PixelFromRgb(color & 0xFFFFFFu);
  penWidth_ = std::clamp(width, 1, kMaxPenWidth);
}

void RasterDc::setBrush(Rgb color, bool solid) {
  brush_ = PixelFromRgb(color & 0xFFFFFFu);
  brushSolid_ = solid;
}

void RasterDc::moveTo(int x, int y) { position_ = {x, y}; }

Rect RasterDc::reach(const Rect& box) const {
  const std::int64_t margin = penWidth_ + 1;
  return ClampRect(static_cast<std::int64_t>(box.left) - margin,
                   static_cast<std::int64_t>(box.top) - margin,
                   static_cast<std::int64_t>(box.right) + margin,
                   static_cast<std::int64_t>(box.bottom) + margin, surface());
}

void RasterDc::addOutline(Coverage& outline, std::vector<Vertex> points, bool closed) const {
  if (widePen()) {
    AddWidePolyline(outline, std::move(points), closed, penWidth_);
    return;
  }
  const std::size_t segments = closed ? points.size() : points.size() - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    WalkGdiLine(ToPoint(points[i]), ToPoint(points[(i + 1) % points.size()]), outline.area(),
                [&outline](int x, int y) { outline.addSpan(y, x, x + 1); });
  }
}

void RasterDc::lineTo(int x, int y) {
  const Point from = position_;
  position_ = {x, y};
  if (!widePen() && from.y == y) {
    // Gradients are made of such lines: one fill per row, not a pixel at a time.
    const Interval run = HorizontalRun(from, {x, y}, surface());
    if (!run.empty()) bitmap_.fillSpan(y, static_cast<int>(run.lo), static_cast<int>(run.hi), pen_);
    return;
  }
  if (!widePen()) {
    WalkGdiLine(from, {x, y}, surface(), [this](int px, int py) { bitmap_.set(px, py, pen_); });
    return;
  }
  const Rect box = OrderedRect(from.x, from.y, x, y);
  Coverage outline(reach(box));
  AddWidePolyline(outline, {{from.x, from.y}, {x, y}}, false, penWidth_);
  outline.paint(bitmap_, pen_);
}

void RasterDc::strokeAndFill(std::vector<Vertex> outlinePoints, Coverage& interior,
                           const Rect& reach) {
  Coverage outline(reach);
  addOutline(outline, std::move(outlinePoints), true);
  if (brushSolid_ && brush_ == pen_) {
    // One colour: the shape painted once, in whole rows where it spans them.
    interior.add(outline);
    interior.paint(bitmap_, brush_);
    return;
  }
  if (brushSolid_) {
    interior.subtract(outline);
    interior.paint(bitmap_, brush_);
  }
  outline.paint(bitmap_, pen_);
}

void RasterDc::rectangle(int left, int top, int right, int bottom) {
  const Rect box = OrderedRect(left, top, right, bottom);
  const Rect area = reach(box);
  Coverage interior(brushSolid_ ? area : Rect{});
  if (text_.graphicsMode == kGmAdvanced) {
    // In the advanced mode a rectangle is the polygon through its four
    // corners, so the right column and bottom row are drawn too.
    std::vector<Vertex> corners{{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    AddPolygon(interior, corners);
    strokeAndFill(std::move(corners), interior, area);
    return;
  }
  if (box.left == box.right || box.top == box.bottom) return;
  if (!widePen() && brushSolid_ && brush_ == pen_ && box.right - box.left >= 2 && box.bottom - box.top >= 2) {
    // A one-pixel outline in the fill's own colour: the outline and the
    // interior together are the whole box, filled a row at a time.
    const Rect clipped = ClampRect(box.left, box.top, box.right, box.bottom, surface());
    for (int y = clipped.top; y < clipped.bottom; ++y) bitmap_.fillSpan(y, clipped.left, clipped.right, brush_);
    return;
  }
  interior.addRect(box.left, box.top, static_cast<std::int64_t>(box.right) - 1,
                   static_cast<std::int64_t>(box.bottom) - 1);
  strokeAndFill(RectangleOutline(box), interior, area);
}

void RasterDc::roundedShape(const Rect& box, std::int64_t ellipseWidth, std::int64_t ellipseHeight) {
  if (box.left == box.right || box.top == box.bottom) return;
  const std::int64_t boxWidth = static_cast<std::int64_t>(box.right) - box.left;
  const std::int64_t boxHeight = static_cast<std::int64_t>(box.bottom) - box.top;
  const std::int64_t ew = std::min<std::int64_t>(boxWidth, std::llabs(ellipseWidth));
  const std::int64_t eh = std::min<std::int64_t>(boxHeight, std::llabs(ellipseHeight));
  if (ew <= 2 || eh <= 2) {
    rectangle(box.left, box.top, box.right, box.bottom);
    return;
  }
  if (ew > kMaxCurveExtent || eh > kMaxCurveExtent) return;
  const Rect area = reach(box);
  Coverage interior(brushSolid_ ? area : Rect{});
  AddRoundRectRegion(interior, box.left, box.top, static_cast<std::int64_t>(box.right) + 1,
                     static_cast<std::int64_t>(box.bottom) + 1, ew, eh);
  strokeAndFill(RoundRectOutline(box, ew, eh), interior, area);
}

void RasterDc::roundRect(int left, int top, int right, int bottom, int ellipseWidth,
                       int ellipseHeight) {
  roundedShape(OrderedRect(left, top, right, bottom), ellipseWidth, ellipseHeight);
}

void RasterDc::ellipse(int left, int top, int right, int bottom) {
  const Rect box = OrderedRect(left, top, right, bottom);
  roundedShape(box, static_cast<std::int64_t>(box.right) - box.left,
               static_cast<std::int64_t>(box.bottom) - box.top);
}

void RasterDc::fillRect(const Rect& r, Rgb color) {
  // FillRect is a pattern blit: an inverted side covers right + 1 .. left.
  std::int64_t l = r.left, t = r.top, rr = r.right, b = r.bottom;
  if (l > rr) std::swap(l, rr), ++l, ++rr;
  if (t > b) std::swap(t, b), ++t, ++b;
  const Rect area = ClampRect(l, t, rr, b, surface());
  const Pixel p = PixelFromRgb(color & 0xFFFFFFu);
  if (area.left == 0 && area.top == 0 && area.right == bitmap_.width() &&
      area.bottom == bitmap_.height()) {
    bitmap_.fill(p);
    return;
  }
  for (int y = area.top; y < area.bottom; ++y) bitmap_.fillSpan(y, area.left, area.right, p);
}

Rgb RasterDc::getPixel(int x, int y) const {
  if (!bitmap_.contains(x, y)) return kInvalidColor;
  return RgbFromPixel(bitmap_.at(x, y));
}

void RasterDc::setPixel(int x, int y, Rgb color) {
  if (bitmap_.contains(x, y)) bitmap_.set(x, y, PixelFromRgb(color & 0xFFFFFFu));
}

BitmapHandle RasterDc::selectedBitmap() const { return reinterpret_cast<BitmapHandle>(&bitmap_); }

int RasterDc::getDIBits(BitmapHandle bitmap, int startScan, int lines, const DibHeader& header,
                      void* bits) {
  if (bitmap != selectedBitmap()) return 0;
  return ReadDibRows(bitmap_, startScan, lines, header, bits);
}

int RasterDc::setDIBits(BitmapHandle bitmap, int startScan, int lines, const DibHeader& header,
                      const void* bits) {
  if (bitmap != selectedBitmap()) return 0;
  return WriteDibRows(bitmap_, startScan, lines, header, bits);
}

int RasterDc::setDIBitsToDevice(int x, int y, int w, int h, int srcX, int srcY, int startScan,
                              int lines, const void* bits, const DibHeader& header) {
  return DrawDibRows(bitmap_, x, y, w, h, srcX, srcY, startScan, lines, bits, header);
}

std::uint32_t* RasterDc::overwriteRow(int y, int left, int right) {
  if (y < 0 || y >= bitmap_.height() || left < 0 || right > bitmap_.width() || left >= right) return nullptr;
  return bitmap_.overwriteSpan(y, left, right);
}

int RasterDc::setStretchBltMode(int mode) {
  if (mode < kBlackOnWhite || mode > kStretchHalftone) return 0;
  return std::exchange(stretchMode_, mode);
}

RasterDc* RasterDc::rasterSource(DeviceContext& src) { return dynamic_cast<RasterDc*>(&src); }

bool RasterDc::stretchBlt(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                        int sh, std::uint32_t rop) {
  RasterDc* source = rasterSource(src);
  if (!source || rop != kSrcCopy) return false;
  StretchCopy(bitmap_, {dx, dy, dw, dh}, source->bitmap_, {sx, sy, sw, sh}, stretchMode_,
              adjustment_);
  return true;
}

bool RasterDc::alphaBlend(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy, int sw,
                        int sh, const BlendFunction& blend) {
  RasterDc* source = rasterSource(src);
  if (!source) return false;
  return AlphaBlendCopy(bitmap_, {dx, dy, dw, dh}, source->bitmap_, {sx, sy, sw, sh}, blend);
}

int RasterDc::setGraphicsMode(int mode) {
  if (mode != kGmCompatible && mode != kGmAdvanced) return 0;
  return std::exchange(text_.graphicsMode, mode);
}

Rgb RasterDc::setTextColor(Rgb color) { return std::exchange(text_.color, color & 0xFFFFFFu); }

int RasterDc::setBkMode(int mode) {
  if (mode != kBkTransparent && mode != kBkOpaque) return 0;
  return std::exchange(text_.bkMode, mode);
}

Rgb RasterDc::setBkColor(Rgb color) { return std::exchange(text_.bkColor, color & 0xFFFFFFu); }

}  // namespace glavo::raster
