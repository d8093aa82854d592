// An in-memory property bag for the software host.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "runtime/property_bag.h"

namespace glavo::sim {

class SimPropertyBag final : public PropertyBag {
 public:
  std::optional<PropertyValue> read(std::string_view key) const override;
  void write(std::string_view key, const PropertyValue& value) override;
  void remove(std::string_view key) override;

  bool contains(std::string_view key) const { return values_.count(std::string(key)) != 0; }
  std::vector<std::string> keys() const;  // sorted
  std::size_t size() const { return values_.size(); }

 private:
  std::map<std::string, PropertyValue, std::less<>> values_;
};

}  // namespace glavo::sim
