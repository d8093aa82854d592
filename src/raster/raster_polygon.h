// Polygon regions as GDI builds them: a pixel (x, y) is inside when the
// point (x, y) itself is, left and top edges included, right and bottom
// edges excluded, with alternate (even-odd) filling.
#pragma once

#include <span>

#include "raster/raster_coverage.h"
#include "raster/raster_geometry.h"

namespace glavo::raster {

void AddPolygon(Coverage& coverage, std::span<const Vertex> points);

}  // namespace glavo::raster
