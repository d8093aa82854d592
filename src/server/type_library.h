// The type library embedded in glavowrap.ocx and the type infos that the
// automation object dispatches through.
#pragma once

#include <wrl/client.h>

#include "server/com_headers.h"

namespace glavo::server {

struct SkinTypeInfo {
  Microsoft::WRL::ComPtr<ITypeLib> library;
  // The dispatch half of the dual interface: what GetTypeInfo hands out.
  Microsoft::WRL::ComPtr<ITypeInfo> dispatch;
  // The interface (vtable) half, which ITypeInfo::Invoke calls through.
  Microsoft::WRL::ComPtr<ITypeInfo> vtable;
  Microsoft::WRL::ComPtr<ITypeInfo> coclass;
};

// Loads TYPELIB resource 1 of the module; it need not be registered.
HRESULT LoadSkinTypeInfo(SkinTypeInfo& out);

}  // namespace glavo::server
