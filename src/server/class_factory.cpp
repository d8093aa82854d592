#include "server/class_factory.h"

#include "server/com_object.h"
#include "server/property_page.h"
#include "server/skin_object.h"

namespace glavo::server {
namespace {

constexpr CreatableClass kClasses[] = {
    {&CLSID_GlavoSkin, &CreateSkinObject},
    {&kPropertyPageClsid, &CreatePropertyPage},
};

class ClassFactory final : public ComObject<IClassFactory, IID_IClassFactory> {
 public:
  explicit ClassFactory(CreateFunction create) : create_(create) {}

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    // The control keeps its own identity; it is never aggregated.
    if (outer) return CLASS_E_NOAGGREGATION;
    return create_(riid, out);
  }
  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock) {
      LockModule();
    } else {
      UnlockModule();
    }
    return S_OK;
  }

 private:
  CreateFunction create_;
};

}  // namespace

HRESULT GetClassFactory(REFCLSID clsid, REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (const auto& entry : kClasses) {
    if (IsEqualCLSID(*entry.clsid, clsid)) {
      auto* factory = new (std::nothrow) ClassFactory(entry.create);
      if (!factory) return E_OUTOFMEMORY;
      HRESULT hr = factory->QueryInterface(riid, out);
      factory->Release();
      return hr;
    }
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace glavo::server
