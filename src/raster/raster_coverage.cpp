#include "raster/raster_coverage.h"

#include <algorithm>

namespace glavo::raster {

namespace {

Rect Normalised(const Rect& r) {
  if (r.right <= r.left || r.bottom <= r.top) return {};
  return r;
}

}  // namespace

Coverage::Coverage(const Rect& area)
    : area_(Normalised(area)), rows_(static_cast<std::size_t>(area_.height())) {}

const Coverage::Row* Coverage::rowAt(int y) const {
  if (y < area_.top || y >= area_.bottom) return nullptr;
  return &rows_[static_cast<std::size_t>(y - area_.top)];
}

bool Coverage::contains(int x, int y) const {
  const Row* row = rowAt(y);
  if (row == nullptr) return false;
  const auto it = std::upper_bound(row->begin(), row->end(), x,
                                   [](int v, const Span& s) { return v < s.hi; });
  return it != row->end() && it->lo <= x;
}

void Coverage::addSpan(std::int64_t row, std::int64_t lo, std::int64_t hi) {
  if (row < area_.top || row >= area_.bottom) return;
  lo = std::max<std::int64_t>(lo, area_.left);
  hi = std::min<std::int64_t>(hi, area_.right);
  if (lo >= hi) return;
  const Span add{static_cast<int>(lo), static_cast<int>(hi)};
  Row& spans = rows_[static_cast<std::size_t>(row - area_.top)];
  if (rowFull(spans)) return;
  merge(spans, add);
  if (rowFull(spans)) ++fullRows_;
}

void Coverage::merge(Row& spans, Span span) {
  // Shapes are mostly built left to right, so try the end first.
  if (spans.empty() || span.lo > spans.back().hi) {
    spans.push_back(span);
    return;
  }
  if (span.lo >= spans.back().lo) {
    spans.back().hi = std::max(spans.back().hi, span.hi);
    return;
  }
  // First span that touches or lies after the new one, and the end of the
  // run of spans it swallows.
  auto first = std::lower_bound(spans.begin(), spans.end(), span.lo,
                                [](const Span& s, int v) { return s.hi < v; });
  auto last = first;
  while (last != spans.end() && last->lo <= span.hi) ++last;
  if (first == last) {
    spans.insert(first, span);
    return;
  }
  first->lo = std::min(first->lo, span.lo);
  first->hi = std::max((last - 1)->hi, span.hi);
  spans.erase(first + 1, last);
}

void Coverage::addRect(std::int64_t left, std::int64_t top, std::int64_t right,
                       std::int64_t bottom) {
  top = std::max<std::int64_t>(top, area_.top);
  bottom = std::min<std::int64_t>(bottom, area_.bottom);
  for (std::int64_t y = top; y < bottom; ++y) addSpan(y, left, right);
}

void Coverage::subtract(const Coverage& other) {
  for (int y = area_.top; y < area_.bottom; ++y) {
    const Row* cut = other.rowAt(y);
    Row& spans = rows_[static_cast<std::size_t>(y - area_.top)];
    if (cut == nullptr || cut->empty() || spans.empty()) continue;
    Row kept;
    auto c = cut->begin();
    for (Span s : spans) {
      while (c != cut->end() && c->hi <= s.lo) ++c;
      // Walk the cuts overlapping s, keeping what lies between them.
      auto k = c;
      while (k != cut->end() && k->lo < s.hi) {
        if (k->lo > s.lo) kept.push_back({s.lo, k->lo});
        s.lo = std::max(s.lo, k->hi);
        ++k;
      }
      if (s.lo < s.hi) kept.push_back(s);
    }
    if (rowFull(spans)) --fullRows_;
    spans.swap(kept);
    if (rowFull(spans)) ++fullRows_;
  }
}

void Coverage::add(const Coverage& other) {
  for (int y = std::max(area_.top, other.area_.top); y < std::min(area_.bottom, other.area_.bottom); ++y) {
    for (const Span& s : *other.rowAt(y)) addSpan(y, s.lo, s.hi);
  }
}

bool Coverage::intersects(std::int64_t left, std::int64_t top, std::int64_t right,
                          std::int64_t bottom) const {
  return left < area_.right && right > area_.left && top < area_.bottom && bottom > area_.top;
}

void Coverage::paint(Bitmap& target, Pixel color) const {
  const int bottom = std::min(area_.bottom, target.height());
  for (int y = std::max(area_.top, 0); y < bottom; ++y) {
    const Row& spans = rows_[static_cast<std::size_t>(y - area_.top)];
    if (spans.empty()) continue;
    for (const Span& s : spans) {
      target.fillSpan(y, std::max(s.lo, 0), std::min(s.hi, target.width()), color);
    }
  }
}

}  // namespace glavo::raster
