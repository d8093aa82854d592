// Shared helpers of the server test client: loading the control straight
// from the OCX, reading its look, and printing automation values.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "com_client.h"
#include "server/com_headers.h"

namespace client {

// Creates GlavoSkin from `ocxPath` through its DllGetClassObject, so no
// registration is needed. Prints the failure and returns null on error.
IDispatch* CreateSkin(const std::wstring& ocxPath);

using com_client::Bool;
using com_client::Describe;
using com_client::Get;
using com_client::Long;
using com_client::Put;
using com_client::Query;
using com_client::Text;
using com_client::TextOf;
using com_client::Theme;

// How many fields the look SaveSkinTheme() gives has (24 for a whole one).
std::size_t ThemeFields(IDispatch* skin);

// The control's properties that take `kind` (a get, a let), from its type
// information, in its order.
std::vector<std::wstring> PropertyNames(IDispatch* skin, INVOKEKIND kind);

// Prints "NAME=VALUE".
void Print(const wchar_t* name, const std::wstring& value);

std::wstring Hex(HRESULT hr);

}  // namespace client
