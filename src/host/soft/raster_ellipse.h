// The integer ellipse GDI uses for RoundRect, Ellipse and elliptic regions.
#pragma once

#include <cstdint>
#include <vector>

#include "host/soft/raster_coverage.h"
#include "host/soft/raster_geometry.h"

namespace glavo::soft {

// Curves wider or taller than this are not drawn (GDI gives up on them too,
// for want of memory); it keeps absurd coordinates from stalling a paint.
inline constexpr std::int64_t kMaxCurveExtent = 1 << 16;

// Points of one quarter of a w x h ellipse inside the box [0, w) x [0, h):
// the lower-right quarter, from the middle of the right side towards the
// middle of the bottom. Empty when w or h is below 1 or beyond the limit.
std::vector<Vertex> EllipseQuadrant(std::int64_t width, std::int64_t height);

// The region CreateRoundRectRgn(left, top, right, bottom, ew, eh) describes,
// added to `coverage`. Returns false (adding nothing) beyond the size limit.
bool AddRoundRectRegion(Coverage& coverage, std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom, std::int64_t ellipseWidth, std::int64_t ellipseHeight);

// The closed outline RoundRect traces for the box [left, right) x [top,
// bottom) with an ellipse already limited to the box (both extents > 2),
// counter-clockwise from the right end of the top-right corner.
std::vector<Vertex> RoundRectOutline(const Rect& box, std::int64_t ellipseWidth,
                                     std::int64_t ellipseHeight);

}  // namespace glavo::soft
