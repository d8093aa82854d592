// A picture box with a persistent image, in pixel scale: the drawing
// methods a control uses on its hidden canvas. Portable code over an
// Offscreen, so every backend shares it.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "draw/noncopyable.h"
#include "draw/offscreen.h"
#include "draw/picture.h"
#include "runtime/color_table.h"
#include "runtime/font.h"

namespace glavo {

namespace fill_style {
inline constexpr int kSolid = 0;
inline constexpr int kTransparent = 1;
}  // namespace fill_style

class PictureBox : Noncopyable {
 public:
  PictureBox(std::unique_ptr<Offscreen> canvas, const ColorTable& colors);
  ~PictureBox();

  // Size; a resize clears the image to the back colour.
  void resize(int width, int height);
  int width() const { return canvas_->width(); }
  int height() const { return canvas_->height(); }
  float scaleWidth() const { return static_cast<float>(width()); }
  float scaleHeight() const { return static_cast<float>(height()); }

  // Colours are OLE colours; system colours are translated when drawing.
  // Setting the back colour clears the whole image to it.
  void setBackColor(OleColor color);
  OleColor backColor() const { return backColor_; }
  void setForeColor(OleColor color) { foreColor_ = color; syncDc(); }
  OleColor foreColor() const { return foreColor_; }
  void setFillColor(OleColor color) { fillColor_ = color; syncDc(); }
  OleColor fillColor() const { return fillColor_; }
  void setFillStyle(int style) { fillStyle_ = style; syncDc(); }
  int fillStyle() const { return fillStyle_; }
  void setDrawWidth(int width) { drawWidth_ = width; syncDc(); }
  int drawWidth() const { return drawWidth_; }
  // The font used by drawText on this picture box (copied, not shared).
  void setFont(const FontObject& font);
  const FontObject& font() const { return font_; }

  // Line from (x1, y1) to (x2, y2) with the draw width; the last point is
  // not drawn. Coordinates round half to even.
  void line(double x1, double y1, double x2, double y2, OleColor color);
  // Outline of the box with those two corners (both included).
  void box(double x1, double y1, double x2, double y2, OleColor color);
  // Filled box with those two corners (both included).
  void filledBox(double x1, double y1, double x2, double y2, OleColor color);
  // Circle outline of radius r with the draw width.
  void circle(double cx, double cy, double r, OleColor color);
  Rgb point(int x, int y) const;  // kInvalidColor outside
  void pset(int x, int y, OleColor color);

  // The device context (hdc). Its pen is the fore colour at the draw width,
  // its brush the fill colour (hollow unless the fill style is solid), its
  // text colour the fore colour and its font the box's font.
  DeviceContext& dc() { return canvas_->dc(); }
  // A snapshot of the persistent image as an opaque bitmap picture.
  PictureRef image() const;
  // The picture-box font as a LOGFONT at this box's pixels per point.
  LogFont logFont() const;
  Rgb translate(OleColor color) const;

 private:
  void syncDc();
  void selectBoxFont();

  std::vector<std::uint32_t> recycledPixels() const;

  std::unique_ptr<Offscreen> canvas_;
  const ColorTable& colors_;
  // The last two images handed out. A cell remakes its mask image on every
  // resize while the surface still holds the previous one, so the one
  // before that is usually free again and its memory is reused.
  mutable std::array<std::shared_ptr<Picture>, 2> recent_;
  OleColor backColor_ = 0x8000000F;
  OleColor foreColor_ = 0x80000012;
  OleColor fillColor_ = 0;
  int fillStyle_ = fill_style::kTransparent;
  int drawWidth_ = 1;
  FontObject font_;
  FontHandle fontHandle_ = 0;
  FontHandle originalFont_ = 0;  // what the context had before our first font
};

}  // namespace glavo
