#include "server/type_library.h"

#include "server/module_state.h"

namespace glavo::server {

HRESULT LoadSkinTypeInfo(SkinTypeInfo& out) {
  std::wstring path = ModulePath();
  HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, out.library.ReleaseAndGetAddressOf());
  if (FAILED(hr)) return hr;
  hr = out.library->GetTypeInfoOfGuid(IID__GlavoSkin, out.dispatch.ReleaseAndGetAddressOf());
  if (FAILED(hr)) return hr;
  // For a dual interface, implemented type -1 of the dispatch half is the
  // vtable half.
  HREFTYPE vtableRef = 0;
  hr = out.dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableRef);
  if (FAILED(hr)) return hr;
  hr = out.dispatch->GetRefTypeInfo(vtableRef, out.vtable.ReleaseAndGetAddressOf());
  if (FAILED(hr)) return hr;
  return out.library->GetTypeInfoOfGuid(CLSID_GlavoSkin, out.coclass.ReleaseAndGetAddressOf());
}

}  // namespace glavo::server
