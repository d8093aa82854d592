#include "server/ordered_property_bag.h"

#include <algorithm>

namespace glavo::server {

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

}  // namespace glavo::server
