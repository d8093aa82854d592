#include "host/soft/raster_coverage.h"

#include <algorithm>

namespace glavo::soft {

namespace {

Rect Normalised(const Rect& r) {
  if (r.right <= r.left || r.bottom <= r.top) return {};
  return r;
}

}  // namespace

Coverage::Coverage(const Rect& area)
    : area_(Normalised(area)),
      cells_(static_cast<std::size_t>(area_.width()) * static_cast<std::size_t>(area_.height()),
             0) {}

bool Coverage::contains(int x, int y) const {
  if (x < area_.left || x >= area_.right || y < area_.top || y >= area_.bottom) return false;
  return cells_[static_cast<std::size_t>(y - area_.top) * area_.width() + (x - area_.left)] != 0;
}

void Coverage::addSpan(std::int64_t row, std::int64_t lo, std::int64_t hi) {
  if (row < area_.top || row >= area_.bottom) return;
  lo = std::max<std::int64_t>(lo, area_.left);
  hi = std::min<std::int64_t>(hi, area_.right);
  if (lo >= hi) return;
  auto* line = cells_.data() + static_cast<std::size_t>(row - area_.top) * area_.width();
  std::fill(line + (lo - area_.left), line + (hi - area_.left), std::uint8_t{1});
}

void Coverage::addRect(std::int64_t left, std::int64_t top, std::int64_t right,
                       std::int64_t bottom) {
  top = std::max<std::int64_t>(top, area_.top);
  bottom = std::min<std::int64_t>(bottom, area_.bottom);
  for (std::int64_t y = top; y < bottom; ++y) addSpan(y, left, right);
}

void Coverage::subtract(const Coverage& other) {
  for (int y = area_.top; y < area_.bottom; ++y) {
    for (int x = area_.left; x < area_.right; ++x) {
      if (other.contains(x, y)) {
        cells_[static_cast<std::size_t>(y - area_.top) * area_.width() + (x - area_.left)] = 0;
      }
    }
  }
}

bool Coverage::intersects(std::int64_t left, std::int64_t top, std::int64_t right,
                          std::int64_t bottom) const {
  return left < area_.right && right > area_.left && top < area_.bottom && bottom > area_.top;
}

void Coverage::paint(Bitmap& target, Pixel color) const {
  const int right = std::min(area_.right, target.width());
  const int bottom = std::min(area_.bottom, target.height());
  for (int y = std::max(area_.top, 0); y < bottom; ++y) {
    const auto* line = cells_.data() + static_cast<std::size_t>(y - area_.top) * area_.width();
    Pixel* out = target.row(y);
    for (int x = std::max(area_.left, 0); x < right; ++x) {
      if (line[x - area_.left]) out[x] = color;
    }
  }
}

}  // namespace glavo::soft
