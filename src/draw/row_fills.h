// The rows of an image that are one pixel value over a span, each kept as
// that value and span instead of pixel by pixel: most rows of a large shape
// or of a solid band are one value but for a border at either end, and a
// reader that knows it need not look at those pixels.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace glavo {

// Pixels [left, right) of a row are `value`.
struct RowSpan {
  int left = 0;
  int right = 0;
  std::uint32_t value = 0;
};

class RowFills {
 public:
  // `rows` rows, none of them a fill.
  void reset(int rows) {
    spans_.assign(static_cast<std::size_t>(rows > 0 ? rows : 0), RowSpan{});
    count_ = 0;
  }
  // Row y all `value`.
  void set(int y, std::uint32_t value) { setSpan(y, RowSpan{0, kWhole, value}); }
  // Pixels [span.left, span.right) of row y are span.value (left < right).
  void setSpan(int y, const RowSpan& span) {
    RowSpan& s = spans_[static_cast<std::size_t>(y)];
    if (s.left >= s.right) ++count_;
    s = span;
  }
  void drop(int y) {
    RowSpan& s = spans_[static_cast<std::size_t>(y)];
    if (s.left < s.right) --count_;
    s = RowSpan{};
  }
  // True when row y is a fill throughout; `value` is then its pixel value.
  bool get(int y, std::uint32_t& value) const {
    RowSpan s;
    if (!span(y, s) || s.left != 0 || s.right != kWhole) return false;
    value = s.value;
    return true;
  }
  // True when part of row y is a fill; a whole row reads as [0, width).
  bool span(int y, RowSpan& out, int width = kWhole) const {
    if (y < 0 || static_cast<std::size_t>(y) >= spans_.size()) return false;
    const RowSpan& s = spans_[static_cast<std::size_t>(y)];
    if (s.left >= s.right) return false;
    out = s;
    if (out.right == kWhole) out.right = width;
    return true;
  }
  bool any() const { return count_ > 0; }

 private:
  static constexpr int kWhole = std::numeric_limits<int>::max();
  std::vector<RowSpan> spans_;
  int count_ = 0;
};

}  // namespace glavo
