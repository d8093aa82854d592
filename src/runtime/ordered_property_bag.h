// A property bag in memory that keeps its keys in the order they were
// first written: the form in which the control's stream is saved, and the
// bag the software host and the tests hand a control.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "runtime/property_bag.h"

namespace glavo {

class OrderedPropertyBag final : public PropertyBag {
 public:
  std::optional<PropertyValue> read(std::string_view key) const override;
  void write(std::string_view key, const PropertyValue& value) override;
  void remove(std::string_view key) override;

  const std::vector<std::pair<std::string, PropertyValue>>& entries() const { return entries_; }
  bool contains(std::string_view key) const { return read(key).has_value(); }
  std::vector<std::string> keys() const;  // sorted
  std::size_t size() const { return entries_.size(); }

 private:
  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

}  // namespace glavo
