#include "pe_header.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace glavo::wine {
namespace {

std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

}  // namespace

bool ReadPeHeader(const std::string& path, PeHeader& out, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
  if (b.size() < 0x40 || b[0] != 'M' || b[1] != 'Z') {
    error = path + ": no MZ header";
    return false;
  }
  const std::size_t pe = Le(b, 0x3C, 4);
  // Signature, file header (20 bytes) and the optional header up to Subsystem.
  if (pe > b.size() || b.size() - pe < 24 + 70) {
    error = path + ": truncated PE header";
    return false;
  }
  if (b[pe] != 'P' || b[pe + 1] != 'E' || b[pe + 2] != 0 || b[pe + 3] != 0) {
    error = path + ": no PE signature";
    return false;
  }
  out.machine = static_cast<std::uint16_t>(Le(b, pe + 4, 2));
  out.characteristics = static_cast<std::uint16_t>(Le(b, pe + 22, 2));
  out.optionalMagic = static_cast<std::uint16_t>(Le(b, pe + 24, 2));
  out.subsystem = static_cast<std::uint16_t>(Le(b, pe + 24 + 68, 2));
  return true;
}

}  // namespace glavo::wine
