// Shared helpers of the server test client: loading the control straight
// from the OCX, and printing automation values.
#pragma once

#include <cstddef>
#include <string>

#include "server/com_headers.h"

namespace client {

// Creates GlavoSkin from `ocxPath` through its DllGetClassObject, so no
// registration is needed. Prints the failure and returns null on error.
IDispatch* CreateSkin(const std::wstring& ocxPath);

// Property get / put by name through IDispatch.
HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT& out);
HRESULT PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value);
// The control's look as SaveSkinTheme() gives it; "" on failure.
std::wstring Theme(IDispatch* skin);
// How many fields that look has (24 for a whole one).
std::size_t ThemeFields(IDispatch* skin);

// Automation values; the caller clears them.
VARIANT Long(long n);
VARIANT Bool(bool b);
VARIANT Text(const std::wstring& s);
// A string value's text (embedded NULs kept); `otherwise` for any other kind.
std::wstring TextOf(const VARIANT& value, const std::wstring& otherwise = L"");

// QueryInterface of a test object: `self` under IUnknown, `iid` and `also`
// (where it is not IID_NULL). The objects live on the stack: no counting.
template <class Interface>
HRESULT QueryOne(Interface* self, REFIID riid, void** out, REFIID iid, REFIID also = IID_NULL) {
  const bool mine = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, iid) ||
                    (!IsEqualIID(also, IID_NULL) && IsEqualIID(riid, also));
  *out = mine ? self : nullptr;
  return mine ? S_OK : E_NOINTERFACE;
}

// Prints "NAME=VALUE".
void Print(const wchar_t* name, const std::wstring& value);

// A value as text: numbers and Booleans as automation writes them,
// strings in quotes, fonts as "font(Name,Size,Bold,Italic)".
std::wstring Describe(const VARIANT& value);
std::wstring Hex(HRESULT hr);

}  // namespace client
