// How one axis of a StretchBlt or AlphaBlend maps destination pixels to
// source pixels.
#pragma once

#include <cstdint>

#include "raster/raster_geometry.h"

namespace glavo::raster {

// GDI walks source and destination together like a Bresenham line from
// (srcOrigin, dstOrigin) over (srcExtent, dstExtent), each taken with its
// sign: a negative extent walks from origin down to origin + extent + 1, so
// (W - 1, -W) mirrors exactly onto 0 .. W - 1. The two walks run in
// opposite directions (a mirror) when the signs differ.
class BlitAxis {
 public:
  // `srcSize` is the source surface's extent on this axis. When a mirrored
  // source rectangle sticks out of it, GDI moves the destination so that
  // the part that exists lands where it would without the mirror.
  BlitAxis(std::int64_t dstOrigin, std::int64_t dstExtent, std::int64_t srcOrigin,
           std::int64_t srcExtent, std::int64_t srcSize);

  // Destination pixels covered.
  Interval dst() const { return dst_; }
  bool shrinking() const { return srcLength_ > dstLength_; }

  // The source pixels feeding destination pixel `d` (inside dst()), as the
  // first and last of them in walk order: one pixel when enlarging, a run
  // when shrinking.
  struct Sources {
    std::int64_t first = 0;
    std::int64_t last = 0;
  };
  Sources sourcesOf(std::int64_t d) const;

 private:
  std::int64_t firstSourceStep(std::int64_t dstStep) const;

  std::int64_t dstOrigin_, srcOrigin_;
  std::int64_t dstLength_, srcLength_;
  int dstInc_, srcInc_;
  Interval dst_;
};

}  // namespace glavo::raster
