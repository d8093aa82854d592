#include "runtime/picture_box.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace glavo {

namespace {

int Coord(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(v, -1e8, 1e8)));
}

// Wider pens than any picture could show only cost time.
int PenWidth(int width) { return std::min(width, 32767); }

std::string NarrowFaceName(const std::u16string& name) {
  std::string out;
  for (char16_t c : name) {
    if (out.size() == 31) break;
    out.push_back(c < 128 ? static_cast<char>(c) : '?');
  }
  return out;
}

}  // namespace

PictureBox::PictureBox(std::unique_ptr<Offscreen> canvas, const ColorTable& colors)
    : canvas_(std::move(canvas)), colors_(colors) {
  syncDc();
  selectBoxFont();
  setBackColor(backColor_);
}

PictureBox::~PictureBox() {
  if (fontHandle_ != 0) {
    if (originalFont_ != 0) canvas_->dc().selectFont(originalFont_);
    canvas_->dc().deleteFont(fontHandle_);
  }
}

Rgb PictureBox::translate(OleColor color) const {
  Rgb out = color;
  if (!colors_.translate(color, out)) out = color & 0xFFFFFFu;
  return out;
}

void PictureBox::syncDc() {
  DeviceContext& d = canvas_->dc();
  d.setPen(translate(foreColor_), PenWidth(drawWidth_));
  d.setBrush(translate(fillColor_), fillStyle_ == fill_style::kSolid);
  d.setTextColor(translate(foreColor_));
}

void PictureBox::resize(int width, int height) {
  canvas_->resize(std::max(1, width), std::max(1, height));
  syncDc();
  setBackColor(backColor_);
}

void PictureBox::setBackColor(OleColor color) {
  backColor_ = color;
  canvas_->dc().fillRect(Rect{0, 0, width(), height()}, translate(color));
}

void PictureBox::setFont(const FontObject& font) {
  font_ = font;
  selectBoxFont();
}

LogFont PictureBox::logFont() const {
  LogFont lf;
  // A size no font can have (infinite, not a number, absurdly large) asks
  // for the default height, as a caption's font does.
  const double pixels = std::floor(font_.size * 96.0 / 72.0);
  lf.height = std::isfinite(pixels) && std::fabs(pixels) < 1e6 ? -static_cast<int>(pixels) : 0;
  lf.weight = font_.bold ? 700 : 400;
  lf.italic = font_.italic;
  lf.underline = font_.underline;
  lf.strikeOut = font_.strikethrough;
  lf.charSet = static_cast<std::uint8_t>(font_.charset);
  lf.quality = 4;
  lf.faceName = NarrowFaceName(font_.name);
  return lf;
}

void PictureBox::selectBoxFont() {
  DeviceContext& d = canvas_->dc();
  const FontHandle created = d.createFont(logFont());
  if (created == 0) return;
  const FontHandle previous = d.selectFont(created);
  if (fontHandle_ == 0) originalFont_ = previous;
  if (previous != 0 && previous == fontHandle_) d.deleteFont(previous);
  fontHandle_ = created;
}

void PictureBox::line(double x1, double y1, double x2, double y2, OleColor color) {
  DeviceContext& d = canvas_->dc();
  const int ax = Coord(x1), ay = Coord(y1), bx = Coord(x2), by = Coord(y2);
  // A one-pixel pen along a row or a column covers exactly the pixels from
  // the start up to (not including) the end: fill them in one go.
  if (drawWidth_ <= 1 && (ay == by || ax == bx) && (ax != bx || ay != by)) {
    const Rect r = ay == by ? Rect{std::min(ax, bx + 1), ay, std::max(ax + 1, bx), ay + 1}
                            : Rect{ax, std::min(ay, by + 1), ax + 1, std::max(ay + 1, by)};
    d.fillRect(r, translate(color));
    d.moveTo(bx, by);
    return;
  }
  d.setPen(translate(color), PenWidth(drawWidth_));
  d.moveTo(Coord(x1), Coord(y1));
  d.lineTo(Coord(x2), Coord(y2));
  syncDc();
}

void PictureBox::box(double x1, double y1, double x2, double y2, OleColor color) {
  const int l = std::min(Coord(x1), Coord(x2)), r = std::max(Coord(x1), Coord(x2));
  const int t = std::min(Coord(y1), Coord(y2)), b = std::max(Coord(y1), Coord(y2));
  DeviceContext& d = canvas_->dc();
  d.setPen(translate(color), PenWidth(drawWidth_));
  d.setBrush(0, false);
  d.rectangle(l, t, r + 1, b + 1);
  syncDc();
}

void PictureBox::filledBox(double x1, double y1, double x2, double y2, OleColor color) {
  const int l = std::min(Coord(x1), Coord(x2)), r = std::max(Coord(x1), Coord(x2));
  const int t = std::min(Coord(y1), Coord(y2)), b = std::max(Coord(y1), Coord(y2));
  canvas_->dc().fillRect(Rect{l, t, r + 1, b + 1}, translate(color));
}

void PictureBox::circle(double cx, double cy, double r, OleColor color) {
  const int x = Coord(cx), y = Coord(cy), radius = std::abs(Coord(r));
  DeviceContext& d = canvas_->dc();
  d.setPen(translate(color), PenWidth(drawWidth_));
  d.setBrush(0, false);
  d.ellipse(x - radius, y - radius, x + radius + 1, y + radius + 1);
  syncDc();
}

Rgb PictureBox::point(int x, int y) const { return canvas_->dc().getPixel(x, y); }

void PictureBox::pset(int x, int y, OleColor color) {
  canvas_->dc().setPixel(x, y, translate(color));
}

std::vector<std::uint32_t> PictureBox::recycledPixels() const {
  for (auto& held : recent_) {
    if (held && held.use_count() == 1) {
      std::vector<std::uint32_t> pixels = held->releasePixels();
      held.reset();
      return pixels;
    }
  }
  return {};
}

PictureRef PictureBox::image() const {
  const int w = width(), h = height();
  std::vector<std::uint32_t> bits = recycledPixels();
  const std::size_t count = static_cast<std::size_t>(w) * h;
  if (bits.capacity() < count) {
    // A picture box being dragged larger grows a few pixels a step: an
    // eighth more room spares a fresh allocation, and a copy of the old
    // pixels, on every step, and stays in proportion for a picture that is
    // long and thin.
    bits.clear();
    bits.reserve(count + count / 8);
  }
  bits.resize(count);
  RowFills fills;
  canvas_->readOpaque(bits.data(), fills);
  auto picture = std::make_shared<Picture>(PictureType::kBitmap, w, h, std::move(bits), std::move(fills));
  recent_[1] = std::move(recent_[0]);
  recent_[0] = picture;
  return picture;
}

}  // namespace glavo
