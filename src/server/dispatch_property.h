// A property get or let on any automation object by name, as the property
// page sets the controls it edits (through their lets, like a browser).
#pragma once

#include "server/com_headers.h"

namespace glavo::server {

// `out` is initialised first; the caller clears it.
HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT& out);
HRESULT PutProperty(IDispatch* object, const wchar_t* name, VARIANT value);
HRESULT PutLongProperty(IDispatch* object, const wchar_t* name, long value);
HRESULT PutBoolProperty(IDispatch* object, const wchar_t* name, bool value);
HRESULT PutStringProperty(IDispatch* object, const wchar_t* name, const wchar_t* value);

}  // namespace glavo::server
