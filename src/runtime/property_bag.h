// The container's property bag: named values persisted with the form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "draw/picture.h"
#include "runtime/font.h"

namespace glavo {

// A persisted value. Numbers keep the width they were written with; readers
// convert to the property's own type.
using PropertyValue = std::variant<std::monostate, std::int32_t, double, bool, std::u16string,
                                   FontRef, PictureRef>;

class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  // The stored value of `key`, or nothing when the key is missing.
  virtual std::optional<PropertyValue> read(std::string_view key) const = 0;
  virtual void write(std::string_view key, const PropertyValue& value) = 0;
  virtual void remove(std::string_view key) = 0;
};

// Typed reads with the property's default for a missing key or a value that
// does not convert. Numbers convert between widths rounding half to even;
// Booleans read True from any non-zero number and from "True" in any case.
std::int32_t ReadLong(const PropertyBag& bag, std::string_view key, std::int32_t fallback);
std::int16_t ReadInteger(const PropertyBag& bag, std::string_view key, std::int16_t fallback);
float ReadSingle(const PropertyBag& bag, std::string_view key, float fallback);
bool ReadBool(const PropertyBag& bag, std::string_view key, bool fallback);
std::u16string ReadString(const PropertyBag& bag, std::string_view key,
                          const std::u16string& fallback);
FontRef ReadFont(const PropertyBag& bag, std::string_view key, const FontRef& fallback);
PictureRef ReadPicture(const PropertyBag& bag, std::string_view key, const PictureRef& fallback);

// Typed writes: a value equal to its default is not stored (an existing
// key is removed), so a bag holds only what differs from the defaults.
void WriteLong(PropertyBag& bag, std::string_view key, std::int32_t value, std::int32_t fallback);
void WriteInteger(PropertyBag& bag, std::string_view key, std::int16_t value,
                  std::int16_t fallback);
void WriteSingle(PropertyBag& bag, std::string_view key, float value, float fallback);
void WriteBool(PropertyBag& bag, std::string_view key, bool value, bool fallback);
void WriteString(PropertyBag& bag, std::string_view key, const std::u16string& value,
                 const std::u16string& fallback);
// Objects are written when present; nothing (null) is the default.
void WriteFont(PropertyBag& bag, std::string_view key, const FontRef& value);
void WritePicture(PropertyBag& bag, std::string_view key, const PictureRef& value);

}  // namespace glavo
