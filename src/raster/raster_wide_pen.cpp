#include "raster/raster_wide_pen.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

#include "raster/raster_ellipse.h"
#include "raster/raster_polygon.h"

namespace glavo::raster {

namespace {

// Half away from zero, as GDI rounds the pen's offsets.
std::int64_t RoundAway(double v) { return static_cast<std::int64_t>(v > 0 ? v + 0.5 : v - 0.5); }

// The pen's round shape at each joint and end. Every disc of a pen is the
// same ellipse, so its rows are walked once per outline.
class Discs {
 public:
  explicit Discs(int width) : width_(width) {}
  void add(Coverage& coverage, const Vertex& centre) {
    const std::int64_t left = centre.x - width_ / 2;
    const std::int64_t right = centre.x + (width_ + 1) / 2 + 1;
    const std::int64_t top = centre.y - width_ / 2;
    const std::int64_t bottom = centre.y + (width_ + 1) / 2 + 1;
    if (coverage.full() || !coverage.intersects(left, top, right, bottom)) return;
    const auto [ew, eh] = RoundRectEllipse(left, top, right, bottom, right - left, bottom - top);
    if (ew < 2 || eh < 2) {
      AddRoundRectRegion(coverage, left, top, right, bottom, right - left, bottom - top);
      return;
    }
    if (!rows_) rows_.emplace(ew, eh);
    AddRoundRectRows(coverage, left, top, right, bottom, *rows_);
  }

 private:
  int width_;
  std::optional<EllipseRows> rows_;
};

// The body of one segment; false for a segment of length zero.
bool AddSegment(Coverage& coverage, const Vertex& p1, const Vertex& p2, int width) {
  const std::int64_t dx = p2.x - p1.x, dy = p2.y - p1.y;
  if (dx == 0 && dy == 0) return false;
  if (coverage.full()) return true;
  if (dy == 0) {
    const std::int64_t top = p1.y - width / 2;
    coverage.addRect(std::min(p1.x, p2.x), top, std::max(p1.x, p2.x), top + width);
    return true;
  }
  if (dx == 0) {
    const std::int64_t left = p1.x - width / 2;
    coverage.addRect(left, std::min(p1.y, p2.y), left + width, std::max(p1.y, p2.y));
    return true;
  }
  // Most segments of a large outline lie off the surface: test first.
  const std::int64_t minX = std::min(p1.x, p2.x) - width, maxX = std::max(p1.x, p2.x) + width;
  const std::int64_t minY = std::min(p1.y, p2.y) - width, maxY = std::max(p1.y, p2.y) + width;
  if (!coverage.intersects(minX, minY, maxX + 1, maxY + 1)) return true;
  const double length = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
  const double across = width * static_cast<double>(std::llabs(dy)) / length;
  const double along = width * static_cast<double>(std::llabs(dx)) / length;
  Vertex narrow{RoundAway(across / 2), RoundAway(along / 2)};
  Vertex wide{RoundAway((across + 1) / 2), RoundAway((along + 1) / 2)};
  if (dx < 0) {
    wide.y = -wide.y;
    narrow.y = -narrow.y;
  }
  if (dy < 0) {
    std::swap(narrow, wide);
    wide.x = -wide.x;
    narrow.x = -narrow.x;
  }
  const Vertex quad[] = {{p1.x - narrow.x, p1.y + narrow.y},
                         {p1.x + wide.x, p1.y - wide.y},
                         {p2.x + wide.x, p2.y - wide.y},
                         {p2.x - narrow.x, p2.y + narrow.y}};
  AddPolygon(coverage, quad);
  return true;
}

// Leading and trailing repeats of a point draw nothing of their own.
void DropRepeatedEnds(std::vector<Vertex>& points) {
  std::size_t first = 0;
  while (points.size() - first > 2 && points[first] == points[first + 1]) ++first;
  points.erase(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(first));
  while (points.size() > 2 && points[points.size() - 1] == points[points.size() - 2])
    points.pop_back();
}

}  // namespace

void AddWidePolyline(Coverage& coverage, std::vector<Vertex> points, bool closed, int width) {
  if (points.size() < 2 || width < 1) return;
  // Every joint is a disc traced over the pen's whole diameter; an outline
  // with hundreds of thousands of joints and a pen thousands of pixels wide
  // is skipped rather than left to stall the paint.
  constexpr std::uint64_t kMaxDiscWork = std::uint64_t{1} << 26;
  if (static_cast<std::uint64_t>(points.size()) * static_cast<std::uint64_t>(width) >
      kMaxDiscWork) {
    return;
  }
  DropRepeatedEnds(points);
  Discs discs(width);
  const std::size_t n = points.size();
  const std::size_t segments = closed ? n : n - 1;
  auto at = [&](std::size_t i) -> const Vertex& { return points[i % n]; };
  if (!closed) {
    discs.add(coverage, points.front());
    discs.add(coverage, points.back());
  }
  for (std::size_t i = 0; i < segments; ++i) {
    const bool drawn = AddSegment(coverage, at(i), at(i + 1), width);
    // Joints sit where a segment starts; the first segment has none, the
    // last always has one, a closed outline also joins at its start.
    const bool joint = i > 0 && (drawn || i == segments - 1);
    if (joint) discs.add(coverage, at(i));
  }
  if (closed) discs.add(coverage, points.front());
}

}  // namespace glavo::raster
