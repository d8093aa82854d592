#include "runtime/ordered_property_bag.h"

#include <algorithm>

namespace glavo {

std::optional<PropertyValue> OrderedPropertyBag::read(std::string_view key) const {
  for (const auto& [name, value] : entries_) {
    if (name == key) return value;
  }
  return std::nullopt;
}

void OrderedPropertyBag::write(std::string_view key, const PropertyValue& value) {
  for (auto& [name, stored] : entries_) {
    if (name == key) {
      stored = value;
      return;
    }
  }
  entries_.emplace_back(std::string(key), value);
}

void OrderedPropertyBag::remove(std::string_view key) {
  std::erase_if(entries_, [&](const auto& entry) { return entry.first == key; });
}

std::vector<std::string> OrderedPropertyBag::keys() const {
  std::vector<std::string> out;
  for (const auto& [name, value] : entries_) out.push_back(name);
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace glavo
