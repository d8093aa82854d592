// The control's binary stream: the same keys and values as its property
// bag, in the order written, for containers that save through
// IPersistStreamInit.
#pragma once

#include "runtime/ordered_property_bag.h"
#include "server/com_headers.h"

namespace glavo::server {

HRESULT SaveBagToStream(const OrderedPropertyBag& bag, IStream* stream);
// Reads what SaveBagToStream wrote. Damaged or foreign data fails with
// E_FAIL or STG_E_READFAULT and leaves `bag` untouched.
HRESULT LoadBagFromStream(IStream* stream, OrderedPropertyBag& bag);
ULONGLONG StreamSizeOf(const OrderedPropertyBag& bag);

}  // namespace glavo::server
