#include "host/soft/raster_blit_axis.h"

#include <algorithm>
#include <cstdlib>

namespace glavo::soft {

BlitAxis::BlitAxis(std::int64_t dstOrigin, std::int64_t dstExtent, std::int64_t srcOrigin,
                   std::int64_t srcExtent)
    : dstOrigin_(dstOrigin),
      srcOrigin_(srcOrigin),
      dstLength_(std::llabs(dstExtent)),
      srcLength_(std::llabs(srcExtent)),
      dstInc_(dstExtent < 0 ? -1 : 1),
      srcInc_(srcExtent < 0 ? -1 : 1) {
  dst_ = dstExtent >= 0 ? Interval{dstOrigin, dstOrigin + dstExtent}
                        : Interval{dstOrigin + dstExtent + 1, dstOrigin + 1};
}

// The walk steps along the longer of the two extents and decides at
// mid-points (error start 3 * minor - 2 * major); in closed form the minor
// position after k major steps is ((2k + 1) * minor - 1) / (2 * major).
std::int64_t BlitAxis::firstSourceStep(std::int64_t dstStep) const {
  // Smallest source step m whose destination step is dstStep.
  const __int128 n = static_cast<__int128>(2) * dstStep * srcLength_ - dstLength_ + 1;
  return std::max<std::int64_t>(0, CeilDiv(n, 2 * dstLength_));
}

BlitAxis::Sources BlitAxis::sourcesOf(std::int64_t d) const {
  const std::int64_t k = (d - dstOrigin_) * dstInc_;
  std::int64_t first = 0, last = 0;
  if (!shrinking()) {
    first = last = FloorDiv(static_cast<__int128>(2 * k + 1) * srcLength_ - 1, 2 * dstLength_);
  } else {
    first = firstSourceStep(k);
    last = std::min(srcLength_, firstSourceStep(k + 1)) - 1;
    last = std::max(first, last);
  }
  return {srcOrigin_ + first * srcInc_, srcOrigin_ + last * srcInc_};
}

}  // namespace glavo::soft
