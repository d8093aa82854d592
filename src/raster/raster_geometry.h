// Integer helpers shared by the raster routines: wide coordinates that cannot
// overflow, GDI's interval rules and exact rounding divisions.
#pragma once

#include <algorithm>
#include <cstdint>

#include "draw/types.h"
#include "raster/wide_int.h"

namespace glavo::raster {

// A point with room for sums of any two 32-bit coordinates.
struct Vertex {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const Vertex&, const Vertex&) = default;
};

// Half-open interval [lo, hi) on one axis.
struct Interval {
  std::int64_t lo = 0;
  std::int64_t hi = 0;
  bool empty() const { return lo >= hi; }
  std::int64_t length() const { return hi > lo ? hi - lo : 0; }
};

inline Interval Intersect(Interval a, Interval b) {
  return {std::max(a.lo, b.lo), std::min(a.hi, b.hi)};
}

// Smallest integer >= n / d for d > 0. Wide division is slow, so a
// numerator that fits 64 bits is divided in 64 bits.
inline std::int64_t CeilDiv(WideInt n, std::int64_t d) {
  if (n == static_cast<std::int64_t>(n)) {
    const auto m = static_cast<std::int64_t>(n);
    return m / d + (m % d != 0 && m > 0);
  }
  WideInt q = n / d;
  if (n % d != 0 && n > 0) ++q;
  return static_cast<std::int64_t>(q);
}

// Largest integer <= n / d for d > 0.
inline std::int64_t FloorDiv(WideInt n, std::int64_t d) {
  if (n == static_cast<std::int64_t>(n)) {
    const auto m = static_cast<std::int64_t>(n);
    return m / d - (m % d != 0 && m < 0);
  }
  WideInt q = n / d;
  if (n % d != 0 && n < 0) --q;
  return static_cast<std::int64_t>(q);
}

// The rectangle GDI fills for a rectangle given by two corners in any order.
inline Rect OrderedRect(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right),
          std::max(top, bottom)};
}

inline Interval ClipInterval(const Rect& r, bool horizontal) {
  return horizontal ? Interval{r.left, r.right} : Interval{r.top, r.bottom};
}

}  // namespace glavo::raster
