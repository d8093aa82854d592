// Conversions between BSTR and the core's UTF-16 strings.
#pragma once

#include <string>
#include <string_view>

#include "server/com_headers.h"

namespace glavo::server {

// A null BSTR is the empty string.
std::u16string FromBstr(BSTR text);
// A new BSTR the caller frees; nullptr only when memory runs out.
BSTR ToBstr(std::u16string_view text);
std::u16string FromWide(std::wstring_view text);
std::wstring ToWide(std::u16string_view text);
std::wstring Utf8ToWide(std::string_view text);

}  // namespace glavo::server
