// Rounding an intermediate result to single precision.
//
// The curve sampling is defined in single precision: the number of samples
// and where they land depend on every float sum being rounded to 24 bits.
// On x87 (32-bit x86 without SSE maths) GCC may keep floats in 80-bit
// registers, so there the value goes through memory to be rounded.
#pragma once

namespace glavo {

// Overloaded so that a float expression is rounded once, straight from the
// register, rather than through double.
#if defined(__i386__) && !defined(__SSE2_MATH__)
inline float Single(float x) {
  volatile float stored = x;
  return stored;
}
inline float Single(double x) {
  volatile float stored = static_cast<float>(x);
  return stored;
}
#else
inline float Single(float x) { return x; }
inline float Single(double x) { return static_cast<float>(x); }
#endif

}  // namespace glavo
