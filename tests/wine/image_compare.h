// Comparing two renderings of one tile, by the rule the tile's kind asks for.
#pragma once

#include <string>

#include "draw/types.h"
#include "scene/raw_image.h"

namespace glavo::wine {

struct TileDiff {
  int differing = 0;     // pixels whose RGB differs at all
  int unexplained = 0;   // differing pixels the rule does not excuse
  int maxChannelDelta = 0;
  std::string detail;    // what the rule measured, for the report
};

// Aliased drawing. A differing pixel is excused when the colour each image
// has there appears in the other image within one pixel (8-neighbourhood):
// an edge that moved by at most one pixel. Alpha is ignored.
TileDiff CompareGeometry(const scene::RawImage& a, const scene::RawImage& b, const Rect& area);

// Blending. A differing pixel is excused when every channel is within
// `tolerance`.
TileDiff CompareColor(const scene::RawImage& a, const scene::RawImage& b, const Rect& area,
                      int tolerance);

// Text. Ink is how far each pixel is from `background` (largest channel
// distance). The two renderings agree when their ink bounding boxes agree within
// `edgeTolerance` pixels on every side and their total ink within
// `inkTolerance` (a fraction of the larger). `unexplained` is 1 when not.
TileDiff CompareInk(const scene::RawImage& a, const scene::RawImage& b, const Rect& area,
                     Rgb background, int edgeTolerance, double inkTolerance);

// Wrapped text. Lines are the bands of rows holding strong ink (far from
// `background`) in either rendering. Each line must appear in both; its
// aligned edge (left, right, or centre for dt::kCenter) must agree within
// `edgeTolerance` pixels and its other edge within `raggedFraction` of the
// line's width plus 2 pixels. Each line that does not is one unexplained.
TileDiff CompareParagraph(const scene::RawImage& a, const scene::RawImage& b, const Rect& area,
                          Rgb background, unsigned align, int edgeTolerance,
                          double raggedFraction);

}  // namespace glavo::wine
