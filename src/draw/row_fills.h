// The rows of an image that are one pixel value throughout, each kept as
// that value instead of pixel by pixel: most rows of a large shape or of a
// solid band are, and a reader that knows it need not look at their pixels.
#pragma once

#include <cstdint>
#include <vector>

namespace glavo {

class RowFills {
 public:
  // `rows` rows, none of them a fill.
  void reset(int rows) {
    on_.assign(static_cast<std::size_t>(rows > 0 ? rows : 0), 0);
    value_.assign(on_.size(), 0);
    count_ = 0;
  }
  void set(int y, std::uint32_t value) {
    auto& on = on_[static_cast<std::size_t>(y)];
    if (!on) ++count_;
    on = 1;
    value_[static_cast<std::size_t>(y)] = value;
  }
  void drop(int y) {
    auto& on = on_[static_cast<std::size_t>(y)];
    if (on) --count_;
    on = 0;
  }
  // True when row y is a fill; `value` is then its pixel value.
  bool get(int y, std::uint32_t& value) const {
    if (y < 0 || static_cast<std::size_t>(y) >= on_.size() || !on_[static_cast<std::size_t>(y)]) return false;
    value = value_[static_cast<std::size_t>(y)];
    return true;
  }
  bool any() const { return count_ > 0; }

 private:
  std::vector<std::uint8_t> on_;
  std::vector<std::uint32_t> value_;
  int count_ = 0;
};

}  // namespace glavo
