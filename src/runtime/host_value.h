// Values passed to and from late-bound members of host objects, and the
// error a host raises when a member call fails.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

#include "draw/picture.h"

namespace glavo {

using HostValue = std::variant<std::monostate, bool, std::int32_t, double, std::u16string, PictureRef>;

// Automation error numbers the hosts raise.
namespace host_error {
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kInvalidCall = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kOutOfMemory = 7;
inline constexpr std::int32_t kNoSuchMember = 438;
inline constexpr std::int32_t kCannotChange = 383;
}  // namespace host_error

// An error raised by the host inside a member call. The skin never catches
// it: it reaches whoever called into the skin.
class HostError : public std::runtime_error {
 public:
  HostError(std::int32_t number, const std::string& message)
      : std::runtime_error(message), number_(number) {}
  std::int32_t number() const { return number_; }

 private:
  std::int32_t number_;
};

// Conversions as automation does them; a value that does not convert raises
// HostError(kTypeMismatch). Whole-number conversions round half to even.
double HostToDouble(const HostValue& value);
std::int32_t HostToLong(const HostValue& value);
bool HostToBool(const HostValue& value);
std::u16string HostToString(const HostValue& value);
PictureRef HostToPicture(const HostValue& value);

}  // namespace glavo
