// The integer ellipse GDI uses for RoundRect, Ellipse and elliptic regions.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "raster/raster_coverage.h"
#include "raster/raster_geometry.h"

namespace glavo::raster {

// Curves wider or taller than this are not drawn (GDI gives up on them too,
// for want of memory); it keeps absurd coordinates from stalling a paint.
inline constexpr std::int64_t kMaxCurveExtent = 1 << 16;

// Points of one quarter of a w x h ellipse inside the box [0, w) x [0, h):
// the lower-right quarter, from the middle of the right side towards the
// middle of the bottom. Empty when w or h is below 1 or beyond the limit.
std::vector<Vertex> EllipseQuadrant(std::int64_t width, std::int64_t height);

// The rows of a rounded region's ellipse: how far each row of its lower
// half stands in from the sides. Made once, it serves every region with
// that ellipse (a wide pen's discs are all alike).
class EllipseRows {
 public:
  // Both extents at least 2 and within kMaxCurveExtent.
  EllipseRows(std::int64_t ellipseWidth, std::int64_t ellipseHeight);
  std::int64_t width() const { return width_; }
  std::int64_t height() const { return height_; }
  // Inset of row `index` (height() / 2 .. height() - 1, counted from the
  // ellipse's top), or -1 where the walk never reaches the row.
  std::int64_t inset(std::int64_t index) const { return inset_[static_cast<std::size_t>(index - height_ / 2)]; }

 private:
  std::int64_t width_, height_;
  std::vector<std::int64_t> inset_;
};

// The region CreateRoundRectRgn(left, top, right, bottom, ew, eh) describes,
// added to `coverage`. Returns false (adding nothing) beyond the size limit.
bool AddRoundRectRegion(Coverage& coverage, std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom, std::int64_t ellipseWidth, std::int64_t ellipseHeight);
// The same with the ellipse's rows at hand; `rows` must be the ellipse
// AddRoundRectRegion would use for this box. Only rows inside the coverage
// are visited.
void AddRoundRectRows(Coverage& coverage, std::int64_t left, std::int64_t top, std::int64_t right,
                      std::int64_t bottom, const EllipseRows& rows);
// The ellipse extents AddRoundRectRegion uses for a box; below 2 in either
// direction the region is the plain rectangle.
std::pair<std::int64_t, std::int64_t> RoundRectEllipse(std::int64_t left, std::int64_t top,
                                                       std::int64_t right, std::int64_t bottom,
                                                       std::int64_t ellipseWidth,
                                                       std::int64_t ellipseHeight);

// The closed outline RoundRect traces for the box [left, right) x [top,
// bottom) with an ellipse already limited to the box (both extents > 2),
// counter-clockwise from the right end of the top-right corner.
std::vector<Vertex> RoundRectOutline(const Rect& box, std::int64_t ellipseWidth,
                                     std::int64_t ellipseHeight);

}  // namespace glavo::raster
