// Turning fuzzer bytes into the UTF-16 text the controls take.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace glavo::fuzz {

// One byte per character (Latin-1), so a seed corpus stays readable text.
inline std::u16string Latin1(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) out.push_back(static_cast<char16_t>(c));
  return out;
}

// ASCII bytes stand for themselves; a byte with the high bit set takes the
// next byte with it as one code unit, so any UTF-16 unit, lone surrogates
// included, can occur.
inline std::u16string Wide(std::string_view bytes) {
  std::u16string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80 || i + 1 == bytes.size()) {
      out.push_back(static_cast<char16_t>(c));
    } else {
      out.push_back(static_cast<char16_t>(((c & 0x7F) << 8) | static_cast<unsigned char>(bytes[++i])));
    }
  }
  return out;
}

// Non-overlapping occurrences of `separator` plus one; 0 for empty text.
inline std::size_t CountFields(std::u16string_view text, std::u16string_view separator) {
  if (text.empty()) return 0;
  std::size_t fields = 1;
  for (std::size_t at = text.find(separator); at != std::u16string_view::npos;
       at = text.find(separator, at + separator.size())) {
    ++fields;
  }
  return fields;
}

}  // namespace glavo::fuzz
