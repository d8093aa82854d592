#include "runtime/stored_surface.h"

#include "draw/device_context.h"

namespace glavo {

void StoredSurface::setForeColor(OleColor color) {
  foreColor_ = color;
  dc().setTextColor(Shown(color));
}

void StoredSurface::setBackColor(OleColor color) {
  backColor_ = color;
  DeviceContext& d = dc();
  d.fillRect(Rect{0, 0, d.width(), d.height()}, Shown(color));
}

bool StoredSurface::MaskKey(Rgb& key) const {
  key = maskColor_;
  return mask_ != nullptr && colors().translate(maskColor_, key);
}

// Pixels beyond the mask picture are opaque.
bool StoredSurface::transparentAt(int x, int y) const {
  Rgb key = 0;
  if (!MaskKey(key) || x < 0 || y < 0 || x >= mask_->width() || y >= mask_->height()) return false;
  return mask_->rgbAt(x, y) == key;
}

void StoredSurface::paintPicture(DeviceContext& source, int dx, int dy, int dw, int dh, int sx, int sy,
                                 int sw, int sh, std::uint32_t rop) {
  dc().stretchBlt(dx, dy, dw, dh, source, sx, sy, sw, sh, rop);
}

}  // namespace glavo
