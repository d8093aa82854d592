#include "raster/raster_ellipse.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace glavo::raster {

namespace {

// Midpoint ellipse walk after A. Zingl, as used for GDI's ellipses: starts at
// (w - 1, h / 2) and calls `visit(x, y, steppedX, steppedY)` per step.
class ZinglWalk {
 public:
  ZinglWalk(std::int64_t width, std::int64_t height) {
    const std::int64_t a = width - 1, b = height - 1;
    aSquared8_ = 8 * a * a;
    bSquared8_ = 8 * b * b;
    dx_ = 4 * b * b * (1 - a);
    dy_ = 4 * a * a * (1 + (b % 2));
    err_ = dx_ + dy_ + a * a * (b % 2);
  }
  // One step; reports which coordinates moved.
  std::pair<bool, bool> step() {
    const std::int64_t e2 = 2 * err_;
    bool movedX = false, movedY = false;
    if (e2 >= dx_) {
      dx_ += bSquared8_;
      err_ += dx_;
      movedX = true;
    }
    if (e2 <= dy_) {
      dy_ += aSquared8_;
      err_ += dy_;
      movedY = true;
    }
    return {movedX, movedY};
  }

 private:
  std::int64_t aSquared8_ = 0, bSquared8_ = 0, dx_ = 0, dy_ = 0, err_ = 0;
};

bool WithinLimit(std::int64_t w, std::int64_t h) {
  return w >= 1 && h >= 1 && w <= kMaxCurveExtent && h <= kMaxCurveExtent;
}

}  // namespace

std::vector<Vertex> EllipseQuadrant(std::int64_t width, std::int64_t height) {
  std::vector<Vertex> points;
  if (!WithinLimit(width, height)) return points;
  ZinglWalk walk(width, height);
  Vertex p{width - 1, height / 2};
  while (p.x >= width / 2) {
    points.push_back(p);
    const auto [movedX, movedY] = walk.step();
    if (movedX) --p.x;
    if (movedY) ++p.y;
  }
  return points;
}

EllipseRows::EllipseRows(std::int64_t ellipseWidth, std::int64_t ellipseHeight)
    : width_(ellipseWidth), height_(ellipseHeight),
      inset_(static_cast<std::size_t>(ellipseHeight - ellipseHeight / 2), -1) {
  inset_[0] = 0;
  ZinglWalk walk(width_, height_);
  std::int64_t x = 0, y = height_ / 2;
  while (x <= width_ / 2) {
    const auto [movedX, movedY] = walk.step();
    if (movedX) ++x;
    if (movedY) {
      ++y;
      if (y < height_) inset_[static_cast<std::size_t>(y - height_ / 2)] = x;
    }
  }
}

namespace {

// A region's box in any corner order, as the pixels it covers: ordered,
// less one pixel at the right and bottom, both ends included.
struct RegionBox {
  std::int64_t left, top, right, bottom;
};

RegionBox CoveredBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  return {left, top, right - 1, bottom - 1};
}

}  // namespace

std::pair<std::int64_t, std::int64_t> RoundRectEllipse(std::int64_t left, std::int64_t top,
                                                       std::int64_t right, std::int64_t bottom,
                                                       std::int64_t ellipseWidth,
                                                       std::int64_t ellipseHeight) {
  const RegionBox box = CoveredBox(left, top, right, bottom);
  return {std::min<std::int64_t>(box.right - box.left, std::llabs(ellipseWidth)),
          std::min<std::int64_t>(box.bottom - box.top, std::llabs(ellipseHeight))};
}

void AddRoundRectRows(Coverage& coverage, std::int64_t left, std::int64_t top, std::int64_t right,
                      std::int64_t bottom, const EllipseRows& rows) {
  const RegionBox box = CoveredBox(left, top, right, bottom);
  if (coverage.full() || !coverage.intersects(box.left, box.top, box.right, box.bottom)) return;
  const std::int64_t eh = rows.height();
  const Rect& area = coverage.area();
  auto addRow = [&](std::int64_t row, std::int64_t index) {
    const std::int64_t in = rows.inset(index);
    if (in >= 0) coverage.addSpan(row, box.left + in, box.right - in);
  };
  // Upper rows top + i take the inset of index eh - 1 - i; lower rows
  // bottom - eh + i that of index i. Only rows inside the area are visited.
  const std::int64_t upperFirst = std::max<std::int64_t>(0, area.top - box.top);
  const std::int64_t upperEnd = std::min<std::int64_t>(eh / 2, area.bottom - box.top);
  for (std::int64_t i = upperFirst; i < upperEnd; ++i) addRow(box.top + i, eh - 1 - i);
  // The middle row stretches over the whole straight part of the sides.
  coverage.addRect(box.left, box.top + eh / 2, box.right, box.bottom - eh + eh / 2 + 1);
  const std::int64_t lowerStart = box.bottom - eh;
  const std::int64_t lowerFirst = std::max<std::int64_t>(eh / 2 + 1, area.top - lowerStart);
  const std::int64_t lowerEnd = std::min<std::int64_t>(eh, area.bottom - lowerStart);
  for (std::int64_t i = lowerFirst; i < lowerEnd; ++i) addRow(lowerStart + i, i);
}

bool AddRoundRectRegion(Coverage& coverage, std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom, std::int64_t ellipseWidth,
                        std::int64_t ellipseHeight) {
  const auto [ew, eh] = RoundRectEllipse(left, top, right, bottom, ellipseWidth, ellipseHeight);
  if (ew < 2 || eh < 2) {
    const RegionBox box = CoveredBox(left, top, right, bottom);
    coverage.addRect(box.left, box.top, box.right, box.bottom);
    return true;
  }
  if (!WithinLimit(ew, eh)) return false;
  // The ellipse's rows are walked only when the region can add something.
  const RegionBox box = CoveredBox(left, top, right, bottom);
  if (!coverage.full() && coverage.intersects(box.left, box.top, box.right, box.bottom)) {
    AddRoundRectRows(coverage, left, top, right, bottom, EllipseRows(ew, eh));
  }
  return true;
}

std::vector<Vertex> RoundRectOutline(const Rect& box, std::int64_t ellipseWidth,
                                     std::int64_t ellipseHeight) {
  const std::vector<Vertex> quarter = EllipseQuadrant(ellipseWidth, ellipseHeight);
  std::vector<Vertex> points(quarter.size() * 4);
  std::size_t count = quarter.size();
  if (count == 0) return {};
  // Top-right corner, from the right side up to the top side.
  for (std::size_t i = 0; i < count; ++i) {
    points[i] = {box.right - ellipseWidth + quarter[i].x,
                 box.top + ellipseHeight - 1 - quarter[i].y};
  }
  const std::int64_t boxWidth = static_cast<std::int64_t>(box.right) - box.left;
  const std::int64_t boxHeight = static_cast<std::int64_t>(box.bottom) - box.top;
  // Mirror left to right, then top to bottom; a full-width (or full-height)
  // odd ellipse shares its middle point between the two halves.
  std::size_t end = 2 * count - 1;
  if (ellipseWidth % 2 && ellipseWidth == boxWidth) --end;
  for (std::size_t i = 0; i < count; ++i) {
    points[end - i] = {static_cast<std::int64_t>(box.left) + box.right - 1 - points[i].x,
                       points[i].y};
  }
  count = end + 1;
  end = 2 * count - 1;
  if (ellipseHeight % 2 && ellipseHeight == boxHeight) --end;
  for (std::size_t i = 0; i < count; ++i) {
    points[end - i] = {points[i].x,
                       static_cast<std::int64_t>(box.top) + box.bottom - 1 - points[i].y};
  }
  points.resize(end + 1);
  return points;
}

}  // namespace glavo::raster
