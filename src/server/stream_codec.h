// The bytes of the control's binary stream: a 16-byte header (magic,
// version, body size, entry count) and a body of keyed values in the order
// written. Free of COM so that it can be checked off Windows too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "runtime/ordered_property_bag.h"

namespace glavo::server {

inline constexpr std::size_t kStreamHeaderSize = 16;

std::vector<std::uint8_t> EncodeBag(const OrderedPropertyBag& bag);

// The body size a header announces; nothing for a foreign or damaged
// header (wrong magic, another version, sizes beyond the limits).
std::optional<std::uint32_t> BodySizeOf(std::span<const std::uint8_t, kStreamHeaderSize> header);

// The bag a whole stream (header and body) holds; nothing unless every
// byte is accounted for by well-formed entries.
std::optional<OrderedPropertyBag> DecodeBag(std::span<const std::uint8_t> stream);

}  // namespace glavo::server
