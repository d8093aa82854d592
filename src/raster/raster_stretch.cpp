#include "raster/raster_stretch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "raster/raster_blit_axis.h"

namespace glavo::raster {

namespace {

constexpr int kBlackOnWhite = 1;
constexpr int kWhiteOnBlack = 2;

// Brightness in HALFTONE mode: the colour adjustment's brightness (-100 to
// 100) is documented as the amount of brightness applied to the output, so
// it is taken as an additive shift of brightness * 255 / 100 on each of red,
// green and blue (rounded to nearest, clamped to 0..255): 100 turns
// everything white, -100 black, 0 leaves colours unchanged. Alpha is kept.
Pixel Brightened(Pixel p, int brightness) {
  if (brightness == 0) return p;
  const int shift = (brightness * 255 + (brightness > 0 ? 50 : -50)) / 100;
  Pixel out = p & 0xFF000000u;
  for (int s = 0; s < 24; s += 8) {
    const int c = std::clamp(static_cast<int>((p >> s) & 0xFFu) + shift, 0, 255);
    out |= static_cast<Pixel>(c) << s;
  }
  return out;
}

// Combines the source block feeding one destination pixel.
class BlockCombiner {
 public:
  explicit BlockCombiner(int mode) : mode_(mode) {}
  void add(Pixel p) {
    if (count_ == 0) {
      andAll_ = orAll_ = p;
    } else {
      andAll_ &= p;
      orAll_ |= p;
    }
    for (int c = 0; c < 4; ++c) sums_[c] += (p >> (8 * c)) & 0xFFu;
    ++count_;
  }
  bool empty() const { return count_ == 0; }
  Pixel result() const {
    if (mode_ == kBlackOnWhite) return andAll_;
    if (mode_ == kWhiteOnBlack) return orAll_;
    Pixel out = 0;
    for (int c = 0; c < 4; ++c) {
      out |= static_cast<Pixel>((sums_[c] + count_ / 2) / count_) << (8 * c);
    }
    return out;
  }

 private:
  int mode_;
  std::uint64_t count_ = 0;
  Pixel andAll_ = 0, orAll_ = 0;
  std::array<std::uint64_t, 4> sums_{};
};

bool Inside(const Bitmap& b, std::int64_t x, std::int64_t y) {
  return x >= 0 && y >= 0 && x < b.width() && y < b.height();
}

// Nearest-neighbour copying keeps, of a run of source pixels, the last one
// along a row and the first one down a column.
Pixel SourcePixel(const Bitmap& source, const BlitAxis::Sources& sx, const BlitAxis::Sources& sy,
                  int mode, bool& found) {
  if (mode == kStretchColorOnColor || (sx.first == sx.last && sy.first == sy.last)) {
    found = Inside(source, sx.last, sy.first);
    return found ? source.at(static_cast<int>(sx.last), static_cast<int>(sy.first)) : 0;
  }
  // Only the part of the run that exists in the source takes part.
  const Interval xs = Intersect({std::min(sx.first, sx.last), std::max(sx.first, sx.last) + 1},
                                {0, source.width()});
  const Interval ys = Intersect({std::min(sy.first, sy.last), std::max(sy.first, sy.last) + 1},
                                {0, source.height()});
  BlockCombiner block(mode);
  for (std::int64_t y = ys.lo; y < ys.hi; ++y) {
    for (std::int64_t x = xs.lo; x < xs.hi; ++x) {
      block.add(source.at(static_cast<int>(x), static_cast<int>(y)));
    }
  }
  found = !block.empty();
  return found ? block.result() : 0;
}

// True when destination index first + i reads exactly source index first + i.
bool ReadsOnlyItself(const std::vector<BlitAxis::Sources>& sources, std::int64_t first) {
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const std::int64_t at = first + static_cast<std::int64_t>(i);
    if (sources[i].first != at || sources[i].last != at) return false;
  }
  return true;
}

// One pixel per destination pixel (nearest-neighbour) as runs: destination
// columns [dst, dst + length) read source columns [src, src + length), or
// the same walked backwards for a mirror.
struct ColumnRun {
  std::int64_t dst;
  std::int64_t src;
  std::int64_t length;
  int step;  // +1 or -1 along the source
};

// The columns whose source pixel exists, grouped into runs.
std::vector<ColumnRun> NearestRuns(const std::vector<BlitAxis::Sources>& cols, std::int64_t first,
                                   int sourceWidth) {
  std::vector<ColumnRun> runs;
  for (std::size_t i = 0; i < cols.size(); ++i) {
    const std::int64_t sx = cols[i].last;
    if (sx < 0 || sx >= sourceWidth) continue;
    const std::int64_t dx = first + static_cast<std::int64_t>(i);
    if (!runs.empty()) {
      ColumnRun& r = runs.back();
      const bool adjacent = r.dst + r.length == dx;
      if (adjacent && r.length == 1 && (sx == r.src + 1 || sx == r.src - 1)) {
        r.step = sx == r.src + 1 ? 1 : -1;
      }
      if (adjacent && sx == r.src + r.step * r.length) {
        ++r.length;
        continue;
      }
    }
    runs.push_back({dx, sx, 1, 1});
  }
  return runs;
}

class BrightnessTable {
 public:
  explicit BrightnessTable(int brightness) {
    for (int c = 0; c < 256; ++c) table_[c] = static_cast<std::uint8_t>(Brightened(c, brightness) & 0xFFu);
  }
  Pixel operator()(Pixel p) const {
    return (p & 0xFF000000u) | static_cast<Pixel>(table_[(p >> 16) & 0xFFu]) << 16 |
           static_cast<Pixel>(table_[(p >> 8) & 0xFFu]) << 8 | table_[p & 0xFFu];
  }

 private:
  std::array<std::uint8_t, 256> table_{};
};

// True when the runs write every column of the target.
bool CoversWholeRows(const Bitmap& target, const std::vector<ColumnRun>& runs) {
  std::int64_t covered = 0;
  for (const ColumnRun& r : runs) {
    if (r.dst != covered) return false;
    covered += r.length;
  }
  return covered == target.width();
}

// A source row that is mostly a recorded span: the target row becomes that
// span's value, recorded, and only the columns read from outside the span
// are written.
void CopyAroundSpan(Bitmap& target, int y, const std::vector<ColumnRun>& runs, const Pixel* from,
                    const RowSpan& span, const BrightnessTable& bright) {
  target.fillRow(y, bright(span.value));
  for (const ColumnRun& r : runs) {
    // Run indexes i read source column r.src + i * r.step; those in the span need nothing.
    const std::int64_t a = r.step == 1 ? span.left - r.src : r.src - span.right + 1;
    const std::int64_t lo = std::clamp<std::int64_t>(a, 0, r.length);
    const std::int64_t hi = std::clamp<std::int64_t>(a + (span.right - span.left), lo, r.length);
    for (std::int64_t i = 0; i < r.length; ++i) {
      if (i == lo) i = hi;
      if (i >= r.length) break;
      target.set(static_cast<int>(r.dst + i), y, bright(from[r.src + i * r.step]));
    }
  }
}

// The nearest-neighbour copy row by row: plain memory copies where a run
// reads the source forwards without a brightness change.
void CopyNearest(Bitmap& target, const Interval& rows, const std::vector<BlitAxis::Sources>& rowSources,
                 const std::vector<ColumnRun>& runs, const Bitmap& in, int brightness) {
  const BrightnessTable bright(brightness);
  const bool wholeRows = &in != &target && CoversWholeRows(target, runs);
  for (std::int64_t y = rows.lo; y < rows.hi; ++y) {
    const std::int64_t sy = rowSources[static_cast<std::size_t>(y - rows.lo)].first;
    if (sy < 0 || sy >= in.height()) continue;
    Pixel fill = 0;
    if (wholeRows && in.pendingRow(static_cast<int>(sy), fill)) {
      target.fillRow(static_cast<int>(y), bright(fill));
      continue;
    }
    RowSpan span;
    if (wholeRows && in.pendingSpan(static_cast<int>(sy), span) && 2 * (span.right - span.left) >= in.width()) {
      CopyAroundSpan(target, static_cast<int>(y), runs, in.rowOutsidePending(static_cast<int>(sy)), span, bright);
      continue;
    }
    Pixel* out = wholeRows ? target.overwriteRow(static_cast<int>(y)) : target.row(static_cast<int>(y));
    const Pixel* from = in.row(static_cast<int>(sy));
    for (const ColumnRun& r : runs) {
      Pixel* o = out + r.dst;
      const Pixel* f = from + r.src;
      if (r.step == 1 && brightness == 0) {
        if (o != f) std::copy(f, f + r.length, o);
      } else {
        for (std::int64_t i = 0; i < r.length; ++i) o[i] = bright(f[i * r.step]);
      }
    }
  }
}

// A copy at the same size, neither mirrored nor onto its own source: plain
// row copies, without the general path's tables (the small windows a corner
// arc is drawn in go out and back this way many times a paint). A whole
// row read from a recorded fill stays a fill. False, having done nothing,
// for any other copy.
bool CopyAsIs(Bitmap& target, const BlitRect& to, const Bitmap& source, const BlitRect& from) {
  if (&source == &target || to.width <= 0 || to.height <= 0 || to.width != from.width || to.height != from.height) {
    return false;
  }
  const std::int64_t dx = std::int64_t{from.x} - to.x, dy = std::int64_t{from.y} - to.y;  // source = target + d
  const Interval cols = Intersect(Intersect({to.x, std::int64_t{to.x} + to.width}, {0, target.width()}),
                                  {-dx, source.width() - dx});
  const Interval rows = Intersect(Intersect({to.y, std::int64_t{to.y} + to.height}, {0, target.height()}),
                                  {-dy, source.height() - dy});
  if (cols.empty() || rows.empty()) return true;
  const bool wholeRows = cols.lo == 0 && cols.hi == target.width() && source.width() == target.width();
  for (std::int64_t y = rows.lo; y < rows.hi; ++y) {
    const int sy = static_cast<int>(y + dy);
    Pixel fill = 0;
    if (wholeRows && source.pendingRow(sy, fill)) {
      target.fillRow(static_cast<int>(y), fill);
      continue;
    }
    const Pixel* in = source.row(sy);
    Pixel* out = wholeRows ? target.overwriteRow(static_cast<int>(y)) : target.row(static_cast<int>(y));
    std::copy(in + cols.lo + dx, in + cols.hi + dx, out + cols.lo);
  }
  return true;
}

}  // namespace

void StretchCopy(Bitmap& target, const BlitRect& to, const Bitmap& source, const BlitRect& from,
                 int mode, const ColorAdjustment& adjustment, StretchPath path) {
  if (to.width == 0 || to.height == 0 || from.width == 0 || from.height == 0) return;
  const bool brightened = mode == kStretchHalftone && adjustment.brightness != 0;
  if (path == StretchPath::kFast && !brightened && CopyAsIs(target, to, source, from)) return;
  const BlitAxis ax(to.x, to.width, from.x, from.width, source.width());
  const BlitAxis ay(to.y, to.height, from.y, from.height, source.height());
  const Interval cols = Intersect(ax.dst(), {0, target.width()});
  const Interval rows = Intersect(ay.dst(), {0, target.height()});
  if (cols.empty() || rows.empty()) return;
  const int brightness =
      mode == kStretchHalftone ? std::clamp<int>(adjustment.brightness, -100, 100) : 0;
  std::vector<BlitAxis::Sources> colSources;
  colSources.reserve(static_cast<std::size_t>(cols.length()));
  for (std::int64_t x = cols.lo; x < cols.hi; ++x) colSources.push_back(ax.sourcesOf(x));
  std::vector<BlitAxis::Sources> rowSources;
  rowSources.reserve(static_cast<std::size_t>(rows.length()));
  for (std::int64_t y = rows.lo; y < rows.hi; ++y) rowSources.push_back(ay.sourcesOf(y));
  // Reading and writing the same surface needs a snapshot, unless every
  // pixel reads only itself (a copy onto the same place, as the brightness
  // adjustment does): then it is read before it is written anyway.
  const bool selfCopy = &source == &target;
  const bool inPlace = selfCopy && ReadsOnlyItself(colSources, cols.lo) &&
                       ReadsOnlyItself(rowSources, rows.lo);
  const Bitmap snapshot = (selfCopy && !inPlace) ? source : Bitmap();
  const Bitmap& in = (selfCopy && !inPlace) ? snapshot : source;
  // Without a shrink every destination pixel reads one source pixel, as it
  // does in COLORONCOLOR mode whatever the sizes.
  auto single = [](const BlitAxis::Sources& s) { return s.first == s.last; };
  const bool nearest =
      mode == kStretchColorOnColor || (std::all_of(colSources.begin(), colSources.end(), single) &&
                                       std::all_of(rowSources.begin(), rowSources.end(), single));
  if (nearest && path == StretchPath::kFast) {
    CopyNearest(target, rows, rowSources, NearestRuns(colSources, cols.lo, in.width()), in,
                brightness);
    return;
  }
  for (std::int64_t y = rows.lo; y < rows.hi; ++y) {
    const BlitAxis::Sources& sy = rowSources[static_cast<std::size_t>(y - rows.lo)];
    Pixel* out = target.row(static_cast<int>(y));
    for (std::int64_t x = cols.lo; x < cols.hi; ++x) {
      bool found = false;
      const Pixel p =
          SourcePixel(in, colSources[static_cast<std::size_t>(x - cols.lo)], sy, mode, found);
      if (found) out[x] = Brightened(p, brightness);
    }
  }
}

}  // namespace glavo::raster
