// Just enough of the PE format to check the Windows builds from the native
// side: what the headers say the file is, and the data of a resource by type
// name and id.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glavo::wine {

inline constexpr std::uint16_t kFileDll = 0x2000;  // characteristics of a DLL

class PeFile {
 public:
  // Reads the whole file; valid() is false when it is no PE image.
  explicit PeFile(const std::string& path);
  bool valid() const { return valid_; }
  std::uint16_t machine() const { return machine_; }                  // 0x8664 or 0x14C
  std::uint16_t characteristics() const { return characteristics_; }  // kFileDll for a DLL
  std::uint16_t optionalMagic() const { return optionalMagic_; }      // 0x20B PE32+, 0x10B PE32
  std::uint16_t subsystem() const { return subsystem_; }              // 2 GUI, 3 console
  // The bytes of resource (type `typeName`, id `id`, first language).
  std::optional<std::vector<std::uint8_t>> resource(const std::u16string& typeName,
                                                    std::uint16_t id) const;

 private:
  std::optional<std::uint32_t> offsetOf(std::uint32_t rva) const;
  template <class T>
  std::optional<T> read(std::uint32_t offset) const;

  struct Section {
    std::uint32_t rva, size, fileOffset;
  };
  std::vector<std::uint8_t> bytes_;
  std::vector<Section> sections_;
  std::uint32_t resourceRva_ = 0;
  std::uint16_t machine_ = 0, characteristics_ = 0, optionalMagic_ = 0, subsystem_ = 0;
  bool valid_ = false;
};

}  // namespace glavo::wine
