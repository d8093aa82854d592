// Saving with every value written (IPersistPropertyBag::Save with
// fSaveAllProperties): where the control would leave a key out because its
// value equals the default, this bag writes the value anyway.
#pragma once

#include <functional>
#include <optional>

#include "runtime/property_bag.h"

namespace glavo::server {

class CompletePropertyBag final : public PropertyBag {
 public:
  // `current` answers the present value of a key, or nothing for a key
  // that is no property (that key is then written empty).
  using Current = std::function<std::optional<PropertyValue>(std::string_view key)>;

  CompletePropertyBag(PropertyBag& target, Current current)
      : target_(target), current_(std::move(current)) {}

  std::optional<PropertyValue> read(std::string_view key) const override { return target_.read(key); }
  void write(std::string_view key, const PropertyValue& value) override { target_.write(key, value); }
  void remove(std::string_view key) override;

 private:
  PropertyBag& target_;
  Current current_;
};

}  // namespace glavo::server
