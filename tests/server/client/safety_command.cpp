// safety OCX: what IObjectSafety says of each interface a container asks
// about, and what enabling each safety option returns:
//   options IFACE supported=N enabled=N | options IFACE hr=0x...
//   set IFACE OPTION hr=0x...
#include <cstdio>
#include <utility>

#include <objsafe.h>

#include "client.h"

namespace {

struct Named {
  const wchar_t* name;
  const IID* iid;
};

}  // namespace

int SafetyCommand(int argc, wchar_t** argv) {
  if (argc < 1) return 2;
  IDispatch* skin = client::CreateSkin(argv[0]);
  if (!skin) return 1;
  IObjectSafety* safety = nullptr;
  HRESULT hr = skin->QueryInterface(IID_IObjectSafety, reinterpret_cast<void**>(&safety));
  std::wprintf(L"query %ls\n", client::Hex(hr).c_str());
  if (FAILED(hr)) {
    skin->Release();
    return 1;
  }
  const Named interfaces[] = {{L"IPersistPropertyBag", &IID_IPersistPropertyBag},
                              {L"IPersistStreamInit", &IID_IPersistStreamInit},
                              {L"IDispatch", &IID_IDispatch},
                              {L"IClassFactory", &IID_IClassFactory}};
  for (const auto& face : interfaces) {
    DWORD supported = 0, enabled = 0;
    hr = safety->GetInterfaceSafetyOptions(*face.iid, &supported, &enabled);
    if (SUCCEEDED(hr)) {
      std::wprintf(L"options %ls supported=%lu enabled=%lu\n", face.name, supported, enabled);
    } else {
      std::wprintf(L"options %ls hr=%ls\n", face.name, client::Hex(hr).c_str());
    }
  }
  const std::pair<const wchar_t*, DWORD> options[] = {{L"data", INTERFACESAFE_FOR_UNTRUSTED_DATA},
                                                      {L"caller", INTERFACESAFE_FOR_UNTRUSTED_CALLER}};
  for (const auto& face : interfaces) {
    for (const auto& [option, bit] : options) {
      hr = safety->SetInterfaceSafetyOptions(*face.iid, bit, bit);
      std::wprintf(L"set %ls %ls hr=%ls\n", face.name, option, client::Hex(hr).c_str());
    }
  }
  DWORD supported = 0, enabled = 0;
  safety->GetInterfaceSafetyOptions(IID_IPersistPropertyBag, &supported, &enabled);
  std::wprintf(L"after IPersistPropertyBag enabled=%lu\n", enabled);
  safety->Release();
  skin->Release();
  return 0;
}
