// factory OCX: the class factory and COM identity rules. Prints
// "NAME=VALUE" lines: what DllCanUnloadNow answers while objects and server
// locks live, what the factory answers for aggregation and unknown classes,
// and whether every interface of the control leads back to one IUnknown.
#include <cstdio>
#include <string>

#include "client.h"

using client::Print;

int FactoryCommand(int argc, wchar_t** argv) {
  if (argc < 1) return 2;
  HMODULE module = LoadLibraryW(argv[0]);
  if (!module) return 1;
  using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
  using CanUnload = HRESULT(WINAPI*)();
  auto get = reinterpret_cast<GetClassObject>(GetProcAddress(module, "DllGetClassObject"));
  auto canUnload = reinterpret_cast<CanUnload>(GetProcAddress(module, "DllCanUnloadNow"));
  if (!get || !canUnload) return 1;

  Print(L"unload idle", client::Hex(canUnload()));
  IUnknown* none = nullptr;
  Print(L"unknown class", client::Hex(get(IID_IDispatch, IID_IClassFactory, reinterpret_cast<void**>(&none))));

  IClassFactory* factory = nullptr;
  Print(L"factory", client::Hex(get(CLSID_GlavoSkin, IID_IClassFactory, reinterpret_cast<void**>(&factory))));
  if (!factory) return 1;
  IUnknown* inner = nullptr;
  IUnknown* outer = reinterpret_cast<IUnknown*>(factory);  // any non-null controlling unknown
  Print(L"aggregation", client::Hex(factory->CreateInstance(outer, IID_IUnknown, reinterpret_cast<void**>(&inner))));
  Print(L"no such interface", client::Hex(factory->CreateInstance(nullptr, IID_IClassFactory, reinterpret_cast<void**>(&inner))));

  factory->LockServer(TRUE);
  factory->Release();
  Print(L"unload locked", client::Hex(canUnload()));
  IClassFactory* again = nullptr;
  get(CLSID_GlavoSkin, IID_IClassFactory, reinterpret_cast<void**>(&again));
  again->LockServer(FALSE);

  IUnknown* skin = nullptr;
  again->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&skin));
  again->Release();
  Print(L"unload with object", client::Hex(canUnload()));

  // Every interface answers IUnknown with the same pointer.
  const IID* interfaces[] = {&IID_IDispatch, &IID__GlavoSkin, &IID_IProvideClassInfo2,
                             &IID_ISupportErrorInfo, &IID_IConnectionPointContainer,
                             &IID_IPersistStreamInit, &IID_IPersistPropertyBag,
                             &IID_IOleInPlaceObjectWindowless};
  int same = 0, answered = 0;
  for (const IID* iid : interfaces) {
    IUnknown* typed = nullptr;
    if (FAILED(skin->QueryInterface(*iid, reinterpret_cast<void**>(&typed)))) continue;
    ++answered;
    IUnknown* identity = nullptr;
    typed->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
    if (identity == skin) ++same;
    identity->Release();
    typed->Release();
  }
  Print(L"interfaces answered", std::to_wstring(answered));
  Print(L"same identity", std::to_wstring(same));
  // Without a window the in-place object says so (that one object answers
  // for both in-place interfaces, the ActiveX host checks in a container).
  IOleInPlaceObjectWindowless* windowless = nullptr;
  skin->QueryInterface(IID_IOleInPlaceObjectWindowless, reinterpret_cast<void**>(&windowless));
  HWND window = nullptr;
  Print(L"windowless window", client::Hex(windowless ? windowless->GetWindow(&window) : E_NOINTERFACE));
  if (windowless) windowless->Release();

  IUnknown* missing = reinterpret_cast<IUnknown*>(1);
  HRESULT hr = skin->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&missing));
  Print(L"foreign interface", client::Hex(hr) + (missing ? L" not cleared" : L" cleared"));

  ISupportErrorInfo* errors = nullptr;
  skin->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&errors));
  Print(L"error info dual", client::Hex(errors->InterfaceSupportsErrorInfo(IID__GlavoSkin)));
  Print(L"error info other", client::Hex(errors->InterfaceSupportsErrorInfo(IID_IPersistStreamInit)));
  errors->Release();

  skin->Release();
  Print(L"unload released", client::Hex(canUnload()));
  return 0;
}
