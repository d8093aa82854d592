#include "pe_file.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace glavo::wine {

template <class T>
std::optional<T> PeFile::read(std::uint32_t offset) const {
  if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) return std::nullopt;
  T value;
  std::memcpy(&value, bytes_.data() + offset, sizeof(T));
  return value;
}

PeFile::PeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  auto pe = read<std::uint32_t>(0x3C);
  if (!pe || read<std::uint32_t>(*pe) != 0x4550u) return;  // "PE\0\0"
  auto machine = read<std::uint16_t>(*pe + 4);
  auto sectionCount = read<std::uint16_t>(*pe + 6);
  auto optionalSize = read<std::uint16_t>(*pe + 20);
  auto characteristics = read<std::uint16_t>(*pe + 22);
  auto magic = read<std::uint16_t>(*pe + 24);
  auto subsystem = read<std::uint16_t>(*pe + 24 + 68);
  if (!machine || !sectionCount || !optionalSize || !characteristics || !magic || !subsystem) return;
  machine_ = *machine;
  characteristics_ = *characteristics;
  optionalMagic_ = *magic;
  subsystem_ = *subsystem;
  // The resource directory is data directory 2; its place depends on PE32 / PE32+.
  std::uint32_t directories = *pe + 24 + (*magic == 0x20B ? 112 : 96);
  auto rva = read<std::uint32_t>(directories + 2 * 8);
  if (!rva) return;
  resourceRva_ = *rva;
  std::uint32_t table = *pe + 24 + *optionalSize;
  for (std::uint16_t i = 0; i < *sectionCount; ++i) {
    std::uint32_t s = table + i * 40u;
    auto size = read<std::uint32_t>(s + 8), srva = read<std::uint32_t>(s + 12),
         raw = read<std::uint32_t>(s + 20);
    if (!size || !srva || !raw) return;
    sections_.push_back({*srva, *size, *raw});
  }
  valid_ = true;
}

std::optional<std::uint32_t> PeFile::offsetOf(std::uint32_t rva) const {
  for (const auto& s : sections_) {
    if (rva >= s.rva && rva < s.rva + s.size) return rva - s.rva + s.fileOffset;
  }
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> PeFile::resource(const std::u16string& typeName,
                                                          std::uint16_t id) const {
  auto root = offsetOf(resourceRva_);
  if (!valid_ || !resourceRva_ || !root) return std::nullopt;
  // Finds the entry of a directory by name (named entries) or by id.
  auto find = [&](std::uint32_t dir, const std::u16string* name, std::uint16_t number)
      -> std::optional<std::uint32_t> {
    auto named = read<std::uint16_t>(dir + 12), ids = read<std::uint16_t>(dir + 14);
    if (!named || !ids) return std::nullopt;
    for (std::uint32_t i = 0; i < std::uint32_t(*named) + *ids; ++i) {
      std::uint32_t entry = dir + 16 + i * 8;
      auto key = read<std::uint32_t>(entry), target = read<std::uint32_t>(entry + 4);
      if (!key || !target) return std::nullopt;
      bool match = false;
      if (name && (*key & 0x80000000u)) {
        std::uint32_t at = *root + (*key & 0x7FFFFFFFu);
        auto length = read<std::uint16_t>(at);
        if (!length) return std::nullopt;
        std::u16string text;
        for (std::uint16_t c = 0; c < *length; ++c) {
          auto ch = read<char16_t>(at + 2 + c * 2u);
          if (!ch) return std::nullopt;
          text.push_back(*ch);
        }
        match = text == *name;
      } else if (!name && !(*key & 0x80000000u)) {
        match = (*key & 0xFFFFu) == number;
      }
      if (match) return *target;
    }
    return std::nullopt;
  };
  auto type = find(*root, &typeName, 0);
  if (!type || !(*type & 0x80000000u)) return std::nullopt;
  auto item = find(*root + (*type & 0x7FFFFFFFu), nullptr, id);
  if (!item || !(*item & 0x80000000u)) return std::nullopt;
  std::uint32_t languages = *root + (*item & 0x7FFFFFFFu);
  auto first = read<std::uint32_t>(languages + 16 + 4);
  if (!first || (*first & 0x80000000u)) return std::nullopt;
  std::uint32_t leaf = *root + *first;
  auto dataRva = read<std::uint32_t>(leaf), size = read<std::uint32_t>(leaf + 4);
  if (!dataRva || !size) return std::nullopt;
  auto offset = offsetOf(*dataRva);
  if (!offset || *offset + std::uint64_t(*size) > bytes_.size()) return std::nullopt;
  return std::vector<std::uint8_t>(bytes_.begin() + *offset, bytes_.begin() + *offset + *size);
}

}  // namespace glavo::wine
