#include "platform/sim/sim_property_bag.h"

namespace glavo::sim {

std::optional<PropertyValue> SimPropertyBag::read(std::string_view key) const {
  const auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void SimPropertyBag::write(std::string_view key, const PropertyValue& value) {
  values_[std::string(key)] = value;
}

void SimPropertyBag::remove(std::string_view key) {
  const auto it = values_.find(key);
  if (it != values_.end()) values_.erase(it);
}

std::vector<std::string> SimPropertyBag::keys() const {
  std::vector<std::string> out;
  for (const auto& [key, value] : values_) out.push_back(key);
  return out;
}

}  // namespace glavo::sim
