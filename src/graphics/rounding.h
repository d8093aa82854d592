// Conversion of fractional values to whole numbers: nearest, ties to even.
//
// Written out instead of relying on std::nearbyint so the result never
// depends on the floating-point environment a host application left behind.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "graphics/overflow_error.h"

namespace glavo {

namespace rounding_detail {

template <class T>
T RoundHalfEven(T x) {
  if (!std::isfinite(x)) return x;
  const T lower = std::floor(x);
  const T fraction = x - lower;
  if (fraction > T(0.5)) return lower + T(1);
  if (fraction < T(0.5)) return lower;
  return std::fmod(lower, T(2)) == T(0) ? lower : lower + T(1);
}

template <class Int>
Int RoundChecked(double x) {
  const double r = RoundHalfEven(x);
  // Written so that NaN fails the test too.
  if (!(r >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        r <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    throw OverflowError();
  }
  return static_cast<Int>(r);
}

}  // namespace rounding_detail

// Nearest whole number as a floating-point value; 2.5 gives 2, 3.5 gives 4,
// -2.5 gives -2. Infinities and NaN pass through.
inline double RoundHalfEven(double x) { return rounding_detail::RoundHalfEven(x); }
inline float RoundHalfEven(float x) { return rounding_detail::RoundHalfEven(x); }

// Nearest 32-bit (Long) or 16-bit (Integer) whole number; throws
// OverflowError when the rounded value is out of range or x is NaN.
inline std::int32_t RoundToInt32(double x) {
  return rounding_detail::RoundChecked<std::int32_t>(x);
}
inline std::int16_t RoundToInt16(double x) {
  return rounding_detail::RoundChecked<std::int16_t>(x);
}

// Nearest whole number for a value meant to lie well inside the int range,
// such as a channel or an intensity. Never undefined: out-of-range values
// saturate and NaN gives 0.
inline int RoundSmall(double x) {
  const double r = RoundHalfEven(x);
  if (r != r) return 0;
  if (r <= static_cast<double>(std::numeric_limits<int>::min()))
    return std::numeric_limits<int>::min();
  if (r >= static_cast<double>(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  return static_cast<int>(r);
}

// The two's-complement 16-bit value of v: how a 16-bit coordinate wraps.
constexpr std::int16_t Wrap16(std::int32_t v) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(v)));
}

}  // namespace glavo
