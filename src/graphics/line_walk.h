// The anti-aliased Bresenham walk of a line between 16-bit points.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "graphics/rounding.h"

namespace glavo {

// Intensity of the caps beside each end of a line.
inline constexpr int kLineCapIntensity = 127;

// Walks the line from (x1, y1) to (x2, y2), calling core(x, y) for every
// pixel on it and edge(x, y, intensity) for the pixels that smooth it, in
// drawing order: the two caps beyond each end along the major axis, then,
// per step, the core pixel and its two neighbours across the line, whose
// intensities follow the error term. Positions wrap at 16 bits as they
// step. A line from a point to itself calls nothing and returns false.
template <class Core, class Edge>
bool WalkLine(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, Core&& core,
              Edge&& edge) {
  std::int32_t dx = x2 - x1;
  std::int32_t dy = y2 - y1;
  const std::int32_t sx = dx < 0 ? -1 : 1;
  const std::int32_t sy = dy < 0 ? -1 : 1;
  dx = std::abs(dx);
  dy = std::abs(dy);
  if (dx + dy == 0) return false;

  // The major axis is x for a shallow line, y otherwise (diagonals included).
  const bool shallow = dx > dy;
  const std::int32_t major = shallow ? dx : dy;
  const std::int32_t minor = shallow ? dy : dx;
  const std::int32_t capIntensity = (minor * 85) / major;
  // One step back across the line from the end point, for the second cap.
  const std::int32_t capX = shallow ? 0 : sx;
  const std::int32_t capY = shallow ? sy : 0;

  edge(Wrap16(x1 - sx), Wrap16(y1 - sy), capIntensity);
  edge(Wrap16(x1 - sx + capX), Wrap16(y1 - sy + capY), kLineCapIntensity);
  edge(Wrap16(x2 + sx), Wrap16(y2 + sy), capIntensity);
  edge(Wrap16(x2 + sx - capX), Wrap16(y2 + sy - capY), kLineCapIntensity);

  std::int32_t err = major / 2;
  std::int16_t x = x1;
  std::int16_t y = y1;
  for (std::int32_t i = 0; i <= major; ++i) {
    core(x, y);
    const int a = static_cast<int>((err * 255) / major);
    if (shallow) {
      edge(x, Wrap16(y - sy), 255 - a);
      edge(x, Wrap16(y + sy), a);
    } else {
      edge(Wrap16(x - sx), y, 255 - a);
      edge(Wrap16(x + sx), y, a);
    }
    // Always one step along the major axis; one across when the error overflows.
    err += minor;
    const bool across = err >= major;
    if (across) err -= major;
    if (shallow || across) x = Wrap16(x + sx);
    if (!shallow || across) y = Wrap16(y + sy);
  }
  return true;
}

}  // namespace glavo
