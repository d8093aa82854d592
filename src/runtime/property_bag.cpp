#include "runtime/property_bag.h"

#include <cmath>
#include <limits>

#include "runtime/number_text.h"

namespace glavo {

namespace {

std::optional<double> AsNumber(const PropertyValue& v) {
  if (auto p = std::get_if<std::int32_t>(&v)) return *p;
  if (auto p = std::get_if<double>(&v)) return *p;
  if (auto p = std::get_if<bool>(&v)) return *p ? -1.0 : 0.0;
  if (auto p = std::get_if<std::u16string>(&v)) {
    // The whole text, as automation reads it; too large for a double is no value.
    const auto d = WholeNumber(*p);
    return d && std::isfinite(*d) ? d : std::nullopt;
  }
  return std::nullopt;
}

template <typename Int>
std::optional<Int> AsInt(const PropertyValue& v) {
  const auto d = AsNumber(v);
  if (!d || !std::isfinite(*d)) return std::nullopt;
  const double r = std::nearbyint(*d);
  if (r < std::numeric_limits<Int>::min() || r > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(r);
}

bool EqualsIgnoringCase(const std::u16string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i] != 0; ++i) {
    char16_t c = a[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    char d = b[i];
    if (d >= 'A' && d <= 'Z') d = static_cast<char>(d - 'A' + 'a');
    if (c != static_cast<char16_t>(d)) return false;
  }
  return i == a.size() && b[i] == 0;
}

}  // namespace

std::int32_t ReadLong(const PropertyBag& bag, std::string_view key, std::int32_t fallback) {
  const auto v = bag.read(key);
  if (!v) return fallback;
  return AsInt<std::int32_t>(*v).value_or(fallback);
}

std::int16_t ReadInteger(const PropertyBag& bag, std::string_view key, std::int16_t fallback) {
  const auto v = bag.read(key);
  if (!v) return fallback;
  return AsInt<std::int16_t>(*v).value_or(fallback);
}

float ReadSingle(const PropertyBag& bag, std::string_view key, float fallback) {
  const auto v = bag.read(key);
  if (!v) return fallback;
  const auto d = AsNumber(*v);
  return d ? static_cast<float>(*d) : fallback;
}

bool ReadBool(const PropertyBag& bag, std::string_view key, bool fallback) {
  const auto v = bag.read(key);
  if (!v) return fallback;
  if (auto s = std::get_if<std::u16string>(&*v)) {
    if (EqualsIgnoringCase(*s, "true")) return true;
    if (EqualsIgnoringCase(*s, "false")) return false;
  }
  const auto d = AsNumber(*v);
  return d ? *d != 0 : fallback;
}

std::u16string ReadString(const PropertyBag& bag, std::string_view key,
                          const std::u16string& fallback) {
  const auto v = bag.read(key);
  if (!v) return fallback;
  if (auto s = std::get_if<std::u16string>(&*v)) return *s;
  if (auto i = std::get_if<std::int32_t>(&*v)) {
    const std::string n = std::to_string(*i);
    return std::u16string(n.begin(), n.end());
  }
  if (auto b = std::get_if<bool>(&*v)) return *b ? u"True" : u"False";
  return fallback;
}

FontRef ReadFont(const PropertyBag& bag, std::string_view key, const FontRef& fallback) {
  const auto v = bag.read(key);
  if (!v) return fallback;
  if (auto f = std::get_if<FontRef>(&*v); f && *f) return *f;
  return fallback;
}

PictureRef ReadPicture(const PropertyBag& bag, std::string_view key, const PictureRef& fallback) {
  const auto v = bag.read(key);
  if (!v) return fallback;
  if (auto p = std::get_if<PictureRef>(&*v)) return *p;
  return fallback;
}

void WriteLong(PropertyBag& bag, std::string_view key, std::int32_t value, std::int32_t fallback) {
  if (value == fallback) {
    bag.remove(key);
  } else {
    bag.write(key, value);
  }
}

void WriteInteger(PropertyBag& bag, std::string_view key, std::int16_t value,
                  std::int16_t fallback) {
  WriteLong(bag, key, value, fallback);
}

void WriteSingle(PropertyBag& bag, std::string_view key, float value, float fallback) {
  if (value == fallback) {
    bag.remove(key);
  } else {
    bag.write(key, static_cast<double>(value));
  }
}

void WriteBool(PropertyBag& bag, std::string_view key, bool value, bool fallback) {
  if (value == fallback) {
    bag.remove(key);
  } else {
    bag.write(key, value);
  }
}

void WriteString(PropertyBag& bag, std::string_view key, const std::u16string& value,
                 const std::u16string& fallback) {
  if (value == fallback) {
    bag.remove(key);
  } else {
    bag.write(key, value);
  }
}

void WriteFont(PropertyBag& bag, std::string_view key, const FontRef& value) {
  if (value) {
    bag.write(key, value);
  } else {
    bag.remove(key);
  }
}

void WritePicture(PropertyBag& bag, std::string_view key, const PictureRef& value) {
  if (value) {
    bag.write(key, value);
  } else {
    bag.remove(key);
  }
}

}  // namespace glavo
