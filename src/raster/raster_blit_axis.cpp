#include "raster/raster_blit_axis.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace glavo::raster {

namespace {

Interval Covered(std::int64_t origin, std::int64_t extent) {
  return extent >= 0 ? Interval{origin, origin + extent}
                     : Interval{origin + extent + 1, origin + 1};
}

// The destination origin after GDI's correction for a mirrored source that
// does not fit in its surface: the visible source part is mapped into the
// destination (truncating divisions) and the destination slid to match.
std::int64_t CorrectedOrigin(std::int64_t dstOrigin, std::int64_t dstExtent, std::int64_t srcOrigin,
                             std::int64_t srcExtent, std::int64_t srcSize) {
  if (srcExtent == 0 || dstExtent == srcExtent) return dstOrigin;
  const Interval visible = Intersect(Covered(srcOrigin, srcExtent), {0, srcSize});
  if (visible.empty()) return dstOrigin;
  const std::int64_t shift = srcOrigin + (srcExtent < 0 ? 1 : 0);
  std::int64_t lo =
      static_cast<std::int64_t>(static_cast<WideInt>(visible.lo - shift) * dstExtent / srcExtent);
  std::int64_t hi =
      static_cast<std::int64_t>(static_cast<WideInt>(visible.hi - shift) * dstExtent / srcExtent);
  if (lo > hi) std::swap(lo, hi);
  if (srcExtent < 0 && dstExtent > 0 &&
      (srcOrigin + srcExtent + 1 < visible.lo || srcOrigin > visible.hi)) {
    return dstOrigin + (dstExtent - hi) - lo;
  }
  if (srcExtent > 0 && dstExtent < 0 &&
      (srcOrigin < visible.lo || srcOrigin + srcExtent > visible.hi)) {
    return dstOrigin - (hi - (dstExtent - lo));
  }
  return dstOrigin;
}

}  // namespace

BlitAxis::BlitAxis(std::int64_t dstOrigin, std::int64_t dstExtent, std::int64_t srcOrigin,
                   std::int64_t srcExtent, std::int64_t srcSize)
    : dstOrigin_(CorrectedOrigin(dstOrigin, dstExtent, srcOrigin, srcExtent, srcSize)),
      srcOrigin_(srcOrigin),
      dstLength_(std::llabs(dstExtent)),
      srcLength_(std::llabs(srcExtent)),
      dstInc_(dstExtent < 0 ? -1 : 1),
      srcInc_(srcExtent < 0 ? -1 : 1) {
  // Only pixels of the rectangle asked for are ever drawn.
  dst_ = Intersect(Covered(dstOrigin, dstExtent), Covered(dstOrigin_, dstExtent));
}

// The walk steps along the longer of the two extents and decides at
// mid-points (error start 3 * minor - 2 * major); in closed form the minor
// position after k major steps is ((2k + 1) * minor - 1) / (2 * major).
std::int64_t BlitAxis::firstSourceStep(std::int64_t dstStep) const {
  // Smallest source step m whose destination step is dstStep.
  const WideInt n = static_cast<WideInt>(2) * dstStep * srcLength_ - dstLength_ + 1;
  return std::max<std::int64_t>(0, CeilDiv(n, 2 * dstLength_));
}

BlitAxis::Sources BlitAxis::sourcesOf(std::int64_t d) const {
  const std::int64_t k = (d - dstOrigin_) * dstInc_;
  std::int64_t first = 0, last = 0;
  if (srcLength_ == dstLength_) {
    first = last = k;  // one to one
  } else if (!shrinking()) {
    first = last = FloorDiv(static_cast<WideInt>(2 * k + 1) * srcLength_ - 1, 2 * dstLength_);
  } else {
    first = firstSourceStep(k);
    last = std::min(srcLength_, firstSourceStep(k + 1)) - 1;
    last = std::max(first, last);
  }
  return {srcOrigin_ + first * srcInc_, srcOrigin_ + last * srcInc_};
}

}  // namespace glavo::raster
