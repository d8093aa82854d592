// Rounded rectangles with anti-aliased corners: straight edges through the
// picture's own lines, corner arcs through LineGS.
#include <algorithm>
#include <cstdlib>

#include "cell/glavo_cell.h"
#include "graphics/line_gs.h"
#include "graphics/rounding.h"

namespace glavo {

namespace {

constexpr int kArcMargin = 3;  // a sample spreads over the pixels around it

std::int32_t Half(std::int64_t v) { return RoundToInt32(static_cast<double>(v) / 2.0); }

}  // namespace

// Draws one arc through a small window of the picture around the corner:
// the same pixels and blends as an arc over a copy of the whole picture,
// without copying the whole picture four times per outline.
void GlavoCell::DrawCornerArc(PictureBox& target, std::int32_t cx, std::int32_t cy,
                              std::int32_t rx, std::int32_t ry, float startAngle,
                              float stopAngle, Rgb color) {
  const std::int64_t ax = std::llabs(rx) + kArcMargin, ay = std::llabs(ry) + kArcMargin;
  const std::int64_t left = std::max<std::int64_t>(0, cx - ax);
  const std::int64_t top = std::max<std::int64_t>(0, cy - ay);
  const std::int64_t right = std::min<std::int64_t>(target.width(), cx + ax + 1);
  const std::int64_t bottom = std::min<std::int64_t>(target.height(), cy + ay + 1);
  if (left >= right || top >= bottom) return;
  const int w = static_cast<int>(right - left), h = static_cast<int>(bottom - top);
  if (!arcScratch_) arcScratch_ = surface_->createPictureBox(w, h);
  if (arcScratch_->width() < w || arcScratch_->height() < h) {
    arcScratch_->resize(std::max(w, arcScratch_->width()), std::max(h, arcScratch_->height()));
  }
  DeviceContext& window = arcScratch_->dc();
  DeviceContext& picture = target.dc();
  const int x0 = static_cast<int>(left), y0 = static_cast<int>(top);
  // Plain copies both ways, whatever stretch mode the picture was left in.
  const int previousMode = picture.setStretchBltMode(kStretchColorOnColor);
  window.setStretchBltMode(kStretchColorOnColor);
  window.stretchBlt(0, 0, w, h, picture, x0, y0, w, h, kSrcCopy);
  LineGS gs(surface_->colors());  // the copy is always taken first
  gs.DIB(window, window.selectedBitmap(), w, h);
  gs.ArcDIB(static_cast<std::int32_t>(cx - left), static_cast<std::int32_t>(cy - top), rx, ry,
            startAngle, stopAngle, color, 0);
  gs.Array2Pic();
  picture.stretchBlt(x0, y0, w, h, window, 0, 0, w, h, kSrcCopy);
  picture.setStretchBltMode(previousMode);
}

void GlavoCell::SmoothRect(PictureBox& target, std::int32_t X, std::int32_t Y, std::int32_t W,
                           std::int32_t h, std::int32_t RW, std::int32_t RH, Rgb RectColor,
                           bool FillIn) {
  if (FillIn) {
    const OleColor fill = target.fillColor(), fore = target.foreColor();
    const int style = target.fillStyle();
    target.setFillStyle(fill_style::kSolid);
    target.setFillColor(RectColor);
    target.setForeColor(RectColor);
    target.dc().roundRect(X, Y, W, h, RW, RH);
    target.setFillColor(fill);
    target.setFillStyle(style);
    target.setForeColor(fore);
  }
  std::int32_t rx = Half(RW), ry = Half(RH);
  const double scaleW = target.scaleWidth(), scaleH = target.scaleHeight();
  if (W >= scaleW) W = RoundToInt32(scaleW);
  if (h >= scaleH) h = RoundToInt32(scaleH);
  const std::int64_t x2 = static_cast<std::int64_t>(W) - 1, y2 = static_cast<std::int64_t>(h) - 1;
  if ((x2 - X) / 2.0 < rx) rx = Half(x2 - X);
  if ((y2 - Y) / 2.0 < ry) ry = Half(y2 - Y);
  const double l = X, t = Y, r = static_cast<double>(x2), b = static_cast<double>(y2);
  target.line(l + rx, t, r - rx + 1, t, RectColor);
  target.line(l + rx, b, r - rx + 1, b, RectColor);
  target.line(l, t + ry, l, b - ry + 1, RectColor);
  target.line(r, t + ry, r, b - ry + 1, RectColor);
  const auto X1 = static_cast<std::int32_t>(X + static_cast<std::int64_t>(rx));
  const auto Xr = static_cast<std::int32_t>(x2 - rx);
  const auto Y1 = static_cast<std::int32_t>(Y + static_cast<std::int64_t>(ry));
  const auto Yb = static_cast<std::int32_t>(y2 - ry);
  DrawCornerArc(target, X1, Y1, rx, ry, 180, 270, RectColor);
  DrawCornerArc(target, Xr, Y1, rx, ry, 90, 180, RectColor);
  DrawCornerArc(target, Xr, Yb, rx, ry, 0, 90, RectColor);
  DrawCornerArc(target, X1, Yb, rx, ry, 270, 360, RectColor);
}

}  // namespace glavo
