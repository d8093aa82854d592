// Between the core's font description and OLE font objects (StdFont).
#pragma once

#include <wrl/client.h>

#include "runtime/font.h"
#include "server/com_headers.h"

namespace glavo::server {

// A new OLE font object with the description of `font`.
HRESULT CreateOleFont(const FontObject& font, IFontDisp** out);
// The description of an OLE font object (IFont or IFontDisp); null when
// `object` is not a font.
FontRef FontFromOle(IUnknown* object);

}  // namespace glavo::server
