// The container's IPropertyBag seen as the core's PropertyBag, so the
// control reads and writes its properties through one code path.
#pragma once

#include "runtime/property_bag.h"
#include "server/com_headers.h"

namespace glavo::server {

class ComPropertyBag final : public PropertyBag {
 public:
  ComPropertyBag(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}

  std::optional<PropertyValue> read(std::string_view key) const override;
  // Fonts are written as font objects; pictures are not persisted.
  void write(std::string_view key, const PropertyValue& value) override;
  // A container bag starts empty on every save; there is nothing to remove.
  void remove(std::string_view) override {}

  // The first failure of a write, so IPersistPropertyBag::Save can report it.
  HRESULT writeStatus() const { return writeStatus_; }

 private:
  IPropertyBag* bag_;
  IErrorLog* log_;
  HRESULT writeStatus_ = S_OK;
};

// VARIANT <-> PropertyValue as the bag stores them.
std::optional<PropertyValue> ValueFromVariant(const VARIANT& v);
HRESULT VariantFromValue(const PropertyValue& value, VARIANT& out);

}  // namespace glavo::server
