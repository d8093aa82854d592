// IClassFactory for the server's creatable classes.
#pragma once

#include "server/com_headers.h"

namespace glavo::server {

using CreateFunction = HRESULT (*)(REFIID riid, void** out);

struct CreatableClass {
  const CLSID* clsid;
  CreateFunction create;
};

// The class factory of `clsid`, or CLASS_E_CLASSNOTAVAILABLE.
HRESULT GetClassFactory(REFCLSID clsid, REFIID riid, void** out);

}  // namespace glavo::server
