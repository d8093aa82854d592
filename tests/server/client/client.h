// Shared helpers of the server test client: loading the control straight
// from the OCX, and printing automation values.
#pragma once

#include <string>

#include "server/com_headers.h"

namespace client {

// Creates GlavoSkin from `ocxPath` through its DllGetClassObject, so no
// registration is needed. Prints the failure and returns null on error.
IDispatch* CreateSkin(const std::wstring& ocxPath);

// Property get / put by name through IDispatch.
HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT& out);
HRESULT PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value);

// A value as text: numbers and Booleans as automation writes them,
// strings in quotes, fonts as "font(Name,Size,Bold,Italic)".
std::wstring Describe(const VARIANT& value);
std::wstring Hex(HRESULT hr);

}  // namespace client
