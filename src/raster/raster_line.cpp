#include "raster/raster_line.h"

#include <cstdint>
#include <cstdlib>

#include "raster/raster_geometry.h"

namespace glavo::raster {

namespace {

// Octants numbered clockwise from the +x axis (y grows downwards).
int OctantOf(std::int64_t dx, std::int64_t dy) {
  if (dy > 0) {
    if (dx > 0) return dx > dy ? 1 : 2;
    return -dx > dy ? 4 : 3;
  }
  if (dx < 0) return -dx > -dy ? 5 : 6;
  return dx > -dy ? 8 : 7;
}

// GDI resolves a tie of the error term towards the minor step in octants
// 3, 5, 6 and 8 only, which makes a line and its reverse differ slightly.
int TieBias(int octant) {
  return (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
}

bool IsXMajor(int octant) { return octant == 1 || octant == 4 || octant == 5 || octant == 8; }

// Very large coordinates are scaled down before the walk, as GDI does, so
// the error terms stay within 64 bits.
Vertex Cropped(Point p) {
  constexpr std::int64_t kLimit = 0x10000000;
  std::int64_t x = p.x, y = p.y;
  if (x >= kLimit || x <= -kLimit || y >= kLimit || y <= -kLimit) {
    x /= 8;
    y /= 8;
  }
  return {x, y};
}

// Pixels of an axis-parallel run from `a` (inclusive) towards `b` (exclusive).
Interval RunInterval(std::int64_t a, std::int64_t b) {
  return a <= b ? Interval{a, b} : Interval{b + 1, a + 1};
}

void WalkStraight(Point from, Point to, const Rect& clip,
                  const std::function<void(int, int)>& plot) {
  if (from.y == to.y) {
    const Interval run = HorizontalRun(from, to, clip);
    for (std::int64_t x = run.lo; x < run.hi; ++x) plot(static_cast<int>(x), from.y);
    return;
  }
  if (from.x < clip.left || from.x >= clip.right) return;
  const Interval run = Intersect(RunInterval(from.y, to.y), ClipInterval(clip, false));
  for (std::int64_t y = run.lo; y < run.hi; ++y) plot(from.x, static_cast<int>(y));
}

// Steps m (0 <= m < length) whose major coordinate start + m * inc is in `clip`.
Interval StepsInside(std::int64_t start, int inc, std::int64_t length, Interval clip) {
  Interval steps = inc > 0 ? Interval{clip.lo - start, clip.hi - start}
                           : Interval{start - clip.hi + 1, start - clip.lo + 1};
  return Intersect(steps, {0, length});
}

}  // namespace

Interval HorizontalRun(Point from, Point to, const Rect& clip) {
  if (from.y < clip.top || from.y >= clip.bottom) return {};
  return Intersect(RunInterval(from.x, to.x), ClipInterval(clip, true));
}

void WalkGdiLine(Point from, Point to, const Rect& clip,
                 const std::function<void(int, int)>& plot) {
  if (clip.left >= clip.right || clip.top >= clip.bottom) return;
  if (from.x == to.x || from.y == to.y) {
    WalkStraight(from, to, clip, plot);
    return;
  }
  const Vertex a = Cropped(from), b = Cropped(to);
  const std::int64_t dx = b.x - a.x, dy = b.y - a.y;
  if (dx == 0 && dy == 0) return;
  const int octant = OctantOf(dx, dy);
  const int bias = TieBias(octant);
  const bool xMajor = IsXMajor(octant);
  const int xInc = dx > 0 ? 1 : -1;
  const int yInc = dy > 0 ? 1 : -1;
  // Walk along the major axis; the minor offset after m steps is the number
  // of times the Bresenham error term (start 2*minor - major, step when
  // err + bias > 0) has crossed zero, which has a closed form.
  const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const std::int64_t majorStart = xMajor ? a.x : a.y;
  const std::int64_t minorStart = xMajor ? a.y : a.x;
  const int majorInc = xMajor ? xInc : yInc;
  const int minorInc = xMajor ? yInc : xInc;
  const Interval minorClip = ClipInterval(clip, !xMajor);
  const Interval steps = StepsInside(majorStart, majorInc, major, ClipInterval(clip, xMajor));
  for (std::int64_t m = steps.lo; m < steps.hi; ++m) {
    const std::int64_t n =
        FloorDiv(static_cast<WideInt>(2) * m * minor + bias + major - 1, 2 * major);
    const std::int64_t minorPos = minorStart + minorInc * n;
    if (minorPos < minorClip.lo || minorPos >= minorClip.hi) continue;
    const std::int64_t majorPos = majorStart + majorInc * m;
    if (xMajor) {
      plot(static_cast<int>(majorPos), static_cast<int>(minorPos));
    } else {
      plot(static_cast<int>(minorPos), static_cast<int>(majorPos));
    }
  }
}

}  // namespace glavo::raster
