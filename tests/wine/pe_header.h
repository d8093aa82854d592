// The few fields of a Windows PE file's headers that say what it is.
#pragma once

#include <cstdint>
#include <string>

namespace glavo::wine {

struct PeHeader {
  std::uint16_t machine = 0;          // 0x8664 x86_64, 0x014C i386
  std::uint16_t characteristics = 0;  // 0x2000: a DLL
  std::uint16_t optionalMagic = 0;    // 0x20B PE32+, 0x10B PE32
  std::uint16_t subsystem = 0;        // 2 GUI, 3 console
};

inline constexpr std::uint16_t kMachineAmd64 = 0x8664;
inline constexpr std::uint16_t kMachineI386 = 0x014C;
inline constexpr std::uint16_t kFileDll = 0x2000;

// Reads the headers; false with `error` set when the file is not a PE image.
bool ReadPeHeader(const std::string& path, PeHeader& out, std::string& error);

}  // namespace glavo::wine
