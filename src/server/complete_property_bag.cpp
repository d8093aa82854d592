#include "server/complete_property_bag.h"

namespace glavo::server {

void CompletePropertyBag::remove(std::string_view key) {
  std::optional<PropertyValue> value = current_ ? current_(key) : std::nullopt;
  target_.write(key, value ? *value : PropertyValue(std::u16string()));
}

}  // namespace glavo::server
