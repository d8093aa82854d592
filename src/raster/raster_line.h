// The cosmetic (one pixel) pen of GDI: Bresenham lines with GDI's tie rules.
#pragma once

#include <functional>

#include "draw/types.h"
#include "raster/raster_geometry.h"

namespace glavo::raster {

// Calls `plot` for every pixel GDI sets when drawing from `from` to `to`
// with a one-pixel pen: the first point is drawn, the last one is not, and
// only pixels inside `clip` are visited. Cost is bounded by the clip size,
// whatever the coordinates.
void WalkGdiLine(Point from, Point to, const Rect& clip, const std::function<void(int, int)>& plot);

// The columns of row from.y that a horizontal line (from.y == to.y) sets
// inside `clip`: the same pixels WalkGdiLine visits, as one run.
Interval HorizontalRun(Point from, Point to, const Rect& clip);

}  // namespace glavo::raster
