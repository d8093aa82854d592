// Geometric pens wider than one pixel (PS_SOLID with round caps and round
// joins): each segment is a polygon of the pen's width, each end and each
// joint a disc of the pen's diameter.
#pragma once

#include <vector>

#include "raster/raster_coverage.h"
#include "raster/raster_geometry.h"

namespace glavo::raster {

// Adds the outline of the polyline through `points` drawn with a pen
// `width` pixels wide. A closed polyline joins its last point to the first
// and has joints instead of end caps. Absurd combinations of length and
// width (beyond 2^26 joint-pixels) draw nothing.
void AddWidePolyline(Coverage& coverage, std::vector<Vertex> points, bool closed, int width);

}  // namespace glavo::raster
