// A set of pixels inside a clip rectangle: what a GDI region is to a
// filled shape. Wide pens and rounded interiors are built as coverages and
// then painted, so overlapping parts are painted once.
#pragma once

#include <cstdint>
#include <vector>

#include "raster/bitmap.h"
#include "raster/raster_geometry.h"

namespace glavo::raster {

class Coverage {
 public:
  // `area` is the only part that can ever be covered (normally the part of
  // the bitmap the shape can reach); it may be empty.
  explicit Coverage(const Rect& area);

  const Rect& area() const { return area_; }
  bool contains(int x, int y) const;
  // Every pixel of the area is covered: adding more changes nothing.
  bool full() const { return fullRows_ == area_.height(); }

  // Adds the pixels y = row, lo <= x < hi (clipped to the area).
  void addSpan(std::int64_t row, std::int64_t lo, std::int64_t hi);
  void addRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  void subtract(const Coverage& other);
  // Adds every pixel of `other` that lies inside this coverage's area.
  void add(const Coverage& other);
  bool intersects(std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom) const;

  // Sets every covered pixel of `target` to `color`.
  void paint(Bitmap& target, Pixel color) const;

 private:
  // Pixels lo <= x < hi of one row.
  struct Span {
    int lo;
    int hi;
  };
  // Sorted, disjoint and never touching, so a row's spans are what a
  // region's bands would be: a large rectangle costs two numbers a row.
  using Row = std::vector<Span>;

  const Row* rowAt(int y) const;
  static void merge(Row& spans, Span span);
  bool rowFull(const Row& spans) const {
    return spans.size() == 1 && spans[0].lo == area_.left && spans[0].hi == area_.right;
  }

  Rect area_;
  std::vector<Row> rows_;
  int fullRows_ = 0;
};

}  // namespace glavo::raster
