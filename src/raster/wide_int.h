// A signed 128-bit integer for the raster's exact intermediate products:
// the compiler's own where it has one, a portable one on 32-bit targets
// (the i686 control), where GCC offers no 128-bit type.
#pragma once

#include <cstdint>

namespace glavo::raster {

// Two's complement in two 64-bit halves; arithmetic wraps modulo 2^128 like
// the built-in type's. Division truncates toward zero, as in C++.
class PortableInt128 {
 public:
  constexpr PortableInt128() = default;
  constexpr PortableInt128(std::int64_t v)  // NOLINT: converts like a built-in integer
      : lo_(static_cast<std::uint64_t>(v)), hi_(v < 0 ? ~std::uint64_t{0} : 0) {}

  constexpr explicit operator std::int64_t() const { return static_cast<std::int64_t>(lo_); }

  friend constexpr PortableInt128 operator+(PortableInt128 a, PortableInt128 b) {
    PortableInt128 r;
    r.lo_ = a.lo_ + b.lo_;
    r.hi_ = a.hi_ + b.hi_ + (r.lo_ < a.lo_ ? 1 : 0);
    return r;
  }
  friend constexpr PortableInt128 operator-(PortableInt128 a) {
    PortableInt128 r;
    r.lo_ = ~a.lo_ + 1;
    r.hi_ = ~a.hi_ + (r.lo_ == 0 ? 1 : 0);
    return r;
  }
  friend constexpr PortableInt128 operator-(PortableInt128 a, PortableInt128 b) { return a + -b; }
  friend constexpr PortableInt128 operator*(PortableInt128 a, PortableInt128 b) {
    PortableInt128 r = Multiply(a.lo_, b.lo_);
    r.hi_ += a.lo_ * b.hi_ + a.hi_ * b.lo_;
    return r;
  }
  friend constexpr PortableInt128 operator/(PortableInt128 n, std::int64_t d) {
    const bool negative = n.negative() != (d < 0);
    PortableInt128 q = DivideMagnitude(n.negative() ? -n : n, Magnitude(d));
    return negative ? -q : q;
  }
  friend constexpr PortableInt128 operator%(PortableInt128 n, std::int64_t d) { return n - (n / d) * d; }
  PortableInt128& operator++() { return *this = *this + 1; }
  PortableInt128& operator--() { return *this = *this - 1; }

  friend constexpr bool operator==(PortableInt128 a, PortableInt128 b) { return a.lo_ == b.lo_ && a.hi_ == b.hi_; }
  friend constexpr bool operator<(PortableInt128 a, PortableInt128 b) {
    if (a.hi_ != b.hi_) return static_cast<std::int64_t>(a.hi_) < static_cast<std::int64_t>(b.hi_);
    return a.lo_ < b.lo_;
  }
  friend constexpr bool operator>(PortableInt128 a, PortableInt128 b) { return b < a; }

 private:
  constexpr bool negative() const { return static_cast<std::int64_t>(hi_) < 0; }
  static constexpr std::uint64_t Magnitude(std::int64_t d) {
    return d < 0 ? ~static_cast<std::uint64_t>(d) + 1 : static_cast<std::uint64_t>(d);
  }
  // The full product of two 64-bit values, from 32-bit halves.
  static constexpr PortableInt128 Multiply(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    PortableInt128 r;
    r.lo_ = (middle << 32) | (p00 & 0xFFFFFFFFu);
    r.hi_ = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
    return r;
  }
  // Long division of a non-negative value by d > 0 (d <= 2^63, so twice a
  // remainder plus one still fits 64 bits).
  static constexpr PortableInt128 DivideMagnitude(PortableInt128 n, std::uint64_t d) {
    PortableInt128 q;
    std::uint64_t rem = 0;
    for (int bit = 127; bit >= 0; --bit) {
      const std::uint64_t next = bit >= 64 ? (n.hi_ >> (bit - 64)) & 1 : (n.lo_ >> bit) & 1;
      rem = (rem << 1) | next;
      if (rem >= d) {
        rem -= d;
        if (bit >= 64) {
          q.hi_ |= std::uint64_t{1} << (bit - 64);
        } else {
          q.lo_ |= std::uint64_t{1} << bit;
        }
      }
    }
    return q;
  }

  std::uint64_t lo_ = 0;
  std::uint64_t hi_ = 0;
};

#if defined(__SIZEOF_INT128__)
using WideInt = __int128;
#else
using WideInt = PortableInt128;
#endif

}  // namespace glavo::raster
