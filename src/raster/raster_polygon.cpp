#include "raster/raster_polygon.h"

#include <algorithm>
#include <array>
#include <vector>

namespace glavo::raster {

namespace {

// The x where an edge crosses scan line y, rounded up: the first pixel at or
// right of the edge.
std::int64_t CrossingX(const Vertex& a, const Vertex& b, std::int64_t y) {
  return a.x + CeilDiv(static_cast<WideInt>(y - a.y) * (b.x - a.x), b.y - a.y);
}

}  // namespace

void AddPolygon(Coverage& coverage, std::span<const Vertex> points) {
  if (points.size() < 3) return;
  std::int64_t top = points[0].y, bottom = points[0].y;
  for (const Vertex& p : points) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const Rect& area = coverage.area();
  top = std::max<std::int64_t>(top, area.top);
  bottom = std::min<std::int64_t>(bottom, area.bottom);
  // Each scan line crosses at most one edge per vertex; small polygons (the
  // pen's segments) need no allocation.
  std::array<std::int64_t, 8> small{};
  std::vector<std::int64_t> large(points.size() > small.size() ? points.size() : 0);
  std::int64_t* crossings = large.empty() ? small.data() : large.data();
  for (std::int64_t y = top; y < bottom; ++y) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
      Vertex a = points[i];
      Vertex b = points[(i + 1) % points.size()];
      if (a.y == b.y) continue;
      if (a.y > b.y) std::swap(a, b);
      if (y < a.y || y >= b.y) continue;
      crossings[count++] = CrossingX(a, b, y);
    }
    std::sort(crossings, crossings + count);
    for (std::size_t i = 0; i + 1 < count; i += 2) {
      coverage.addSpan(y, crossings[i], crossings[i + 1]);
    }
  }
}

}  // namespace glavo::raster
