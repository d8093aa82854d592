#include "text/symbol_coverage.h"

#include <algorithm>
#include <limits>

namespace glavo::text {
namespace {

// Far beyond any caption; protects against absurd sizes eating memory.
constexpr long long kMaxMaskPixels = 16LL * 1024 * 1024;
constexpr long long kOne = 64;  // one pixel in 26.6 units

// Sample positions inside a pixel, in 26.6 units: `count` per axis, the first
// at `offset`, then every `step`. 16 per axis fall exactly on 26.6 units.
struct Grid {
  int count = 1;
  long long offset = 32;
  long long step = 64;
};

long long FloorDiv(long long a, long long b) {
  const long long q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
long long CeilDiv(long long a, long long b) { return -FloorDiv(-a, b); }

// Where an edge crosses a sample row, as twice the whole 26.6 x below it plus
// one when the crossing lies between units: a sample at x is right of (or
// on) the crossing exactly when 2x >= key.
struct Crossing {
  long long key = 0;
  int winding = 0;
  bool operator<(const Crossing& o) const { return key < o.key; }
};

void CrossingsAt(const OutlineContours& contours, long long y, std::vector<Crossing>& out) {
  out.clear();
  for (const auto& contour : contours) {
    for (std::size_t i = 0; i < contour.size(); ++i) {
      const OutlinePoint& a = contour[i];
      const OutlinePoint& b = contour[(i + 1) % contour.size()];
      if (a.y == b.y) continue;
      const bool up = b.y > a.y;
      const long long lo = up ? a.y : b.y;
      const long long hi = up ? b.y : a.y;
      if (y < lo || y >= hi) continue;
      const long long dy = static_cast<long long>(b.y) - a.y;
      const long long num = static_cast<long long>(a.x) * dy + (static_cast<long long>(b.x) - a.x) * (y - a.y);
      const long long floorX = FloorDiv(num, dy);
      const bool exact = floorX * dy == num;
      out.push_back(Crossing{2 * floorX + (exact ? 0 : 1), up ? 1 : -1});
    }
  }
  std::sort(out.begin(), out.end());
}

// Adds one sample to every pixel of the row for each sample column x with
// x0 <= x < x1 (26.6 units relative to the mask's left edge).
void AddSpan(std::vector<int>& counts, long long x0, long long x1, const Grid& g) {
  const long long width = static_cast<long long>(counts.size());
  const long long firstPixel = std::max<long long>(0, FloorDiv(x0, kOne));
  const long long lastPixel = std::min<long long>(width - 1, FloorDiv(x1 - 1, kOne));
  for (long long px = firstPixel; px <= lastPixel; ++px) {
    const long long base = px * kOne + g.offset;
    const long long k0 = std::max<long long>(0, CeilDiv(x0 - base, g.step));
    const long long k1 = std::min<long long>(g.count, CeilDiv(x1 - base, g.step));
    if (k1 > k0) counts[static_cast<std::size_t>(px)] += static_cast<int>(k1 - k0);
  }
}

}  // namespace

SymbolMask RasteriseContours(const OutlineContours& contours, bool antialiased) {
  SymbolMask mask;
  long long xMin = std::numeric_limits<long long>::max();
  long long yMin = xMin;
  long long xMax = std::numeric_limits<long long>::min();
  long long yMax = xMax;
  for (const auto& contour : contours) {
    for (const auto& p : contour) {
      xMin = std::min<long long>(xMin, p.x);
      xMax = std::max<long long>(xMax, p.x);
      yMin = std::min<long long>(yMin, p.y);
      yMax = std::max<long long>(yMax, p.y);
    }
  }
  if (xMin > xMax) return mask;
  const long long left = FloorDiv(xMin, kOne);
  const long long right = CeilDiv(xMax, kOne);
  const long long bottom = FloorDiv(yMin, kOne);
  const long long top = CeilDiv(yMax, kOne);
  const long long w = right - left;
  const long long h = top - bottom;
  if (w <= 0 || h <= 0 || w * h > kMaxMaskPixels) return mask;

  const Grid grid = antialiased ? Grid{16, 2, 4} : Grid{};
  const int full = grid.count * grid.count;
  mask.left = static_cast<int>(left);
  mask.top = static_cast<int>(-top);
  mask.width = static_cast<int>(w);
  mask.height = static_cast<int>(h);
  mask.coverage.assign(static_cast<std::size_t>(w * h), 0);

  std::vector<Crossing> crossings;
  std::vector<int> counts(static_cast<std::size_t>(w));
  for (long long row = 0; row < h; ++row) {
    std::fill(counts.begin(), counts.end(), 0);
    const long long pixelBottom = (top - 1 - row) * kOne;
    for (int s = 0; s < grid.count; ++s) {
      CrossingsAt(contours, pixelBottom + grid.offset + s * grid.step, crossings);
      int winding = 0;
      for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].winding;
        if (winding == 0) continue;
        // Samples x with key_i <= 2x < key_i+1.
        const long long x0 = CeilDiv(crossings[i].key, 2) - left * kOne;
        const long long x1 = CeilDiv(crossings[i + 1].key, 2) - left * kOne;
        if (x1 > x0) AddSpan(counts, x0, x1, grid);
      }
    }
    std::uint8_t* out = mask.coverage.data() + static_cast<std::size_t>(row * w);
    for (long long x = 0; x < w; ++x) {
      const int c = counts[static_cast<std::size_t>(x)];
      out[x] = static_cast<std::uint8_t>(c >= full ? 255 : (c * 255 + full / 2) / full);
    }
  }
  return mask;
}

SymbolMask SymbolGlyph(char32_t code, int em, bool bold, bool antialiased) {
  SymbolMask mask = RasteriseContours(SymbolOutline(code, em), antialiased);
  if (!bold || mask.empty()) return mask;
  SymbolMask wide = mask;
  wide.width = mask.width + 1;
  wide.coverage.assign(static_cast<std::size_t>(wide.width) * wide.height, 0);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < wide.width; ++x) {
      const int here = x < mask.width ? mask.at(x, y) : 0;
      const int before = x > 0 ? mask.at(x - 1, y) : 0;
      wide.coverage[static_cast<std::size_t>(y) * wide.width + x] =
          static_cast<std::uint8_t>(std::max(here, before));
    }
  }
  return wide;
}

int BlendChannel(int from, int to, int coverage) {
  if (coverage >= 255) return to;
  if (coverage <= 0) return from;
  return from + ((to - from) * coverage + (to > from ? 127 : -127)) / 255;
}

}  // namespace glavo::text
