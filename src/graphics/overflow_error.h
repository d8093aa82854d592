// The error a drawing or colour routine raises when a value does not fit the
// whole-number type it has to become.
#pragma once

#include <stdexcept>

namespace glavo {

class OverflowError : public std::overflow_error {
 public:
  OverflowError() : std::overflow_error("Overflow") {}
};

}  // namespace glavo
