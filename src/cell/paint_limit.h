// The signal that a paint step met an arithmetic limit (a division by
// zero, a value that is no byte). The paint pass ends there quietly and
// keeps what it has drawn.
#pragma once

#include <stdexcept>

namespace glavo {

class PaintLimit : public std::runtime_error {
 public:
  explicit PaintLimit(const char* what) : std::runtime_error(what) {}
};

}  // namespace glavo
