// IPersistStreamInit and IPersistPropertyBag: the skin reads and writes
// its own keys, in its own order, through the core's PropertyBag.
#include "runtime/ordered_property_bag.h"
#include "server/bstr.h"
#include "server/com_property_bag.h"
#include "server/complete_property_bag.h"
#include "server/error_info.h"
#include "server/ole_control.h"
#include "server/skin_object.h"
#include "server/stream_format.h"

namespace glavo::server {

STDMETHODIMP SkinObject::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_GlavoSkin;
  return S_OK;
}

STDMETHODIMP SkinObject::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

// A container that set its client site first (a VB form) has its form
// ready: the first placement makes that form borderless and takes its
// caption. Without one the stand-in form serves, and the window the
// container gives later is treated as the form (AttachWindow).
STDMETHODIMP SkinObject::InitNew() {
  if (!windowed_) {
    if (auto form = ole_->SiteForm()) {
      try {
        CreateDetachedSkin(form.get());
        siteForm_ = std::move(form);
      } catch (...) {
        return ReportCurrentException(IID__GlavoSkin);
      }
    }
  }
  HRESULT hr = Call([](GlavoSkin& skin) { skin.InitProperties(); });
  if (SUCCEEDED(hr)) dirty_ = false;
  return hr;
}

STDMETHODIMP SkinObject::Load(LPSTREAM stream) {
  OrderedPropertyBag bag;
  HRESULT hr = LoadBagFromStream(stream, bag);
  if (FAILED(hr)) return hr;
  hr = Call([&](GlavoSkin& skin) { skin.ReadProperties(bag); });
  if (SUCCEEDED(hr)) dirty_ = false;
  return hr;
}

STDMETHODIMP SkinObject::Save(LPSTREAM stream, BOOL clearDirty) {
  OrderedPropertyBag bag;
  HRESULT hr = Call([&](GlavoSkin& skin) { skin.WriteProperties(bag); });
  if (SUCCEEDED(hr)) hr = SaveBagToStream(bag, stream);
  if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
  return hr;
}

STDMETHODIMP SkinObject::GetSizeMax(ULARGE_INTEGER* size) {
  if (!size) return E_POINTER;
  OrderedPropertyBag bag;
  HRESULT hr = Call([&](GlavoSkin& skin) { skin.WriteProperties(bag); });
  if (SUCCEEDED(hr)) size->QuadPart = StreamSizeOf(bag);
  return hr;
}

// The value of the property named `key`, read through the dual interface.
std::optional<PropertyValue> SkinObject::CurrentValue(std::string_view key) {
  std::wstring name = Utf8ToWide(key);
  LPOLESTR names[] = {name.data()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(types_.vtable->GetIDsOfNames(names, 1, &id))) return std::nullopt;
  DISPPARAMS none = {};
  VARIANT value;
  VariantInit(&value);
  if (FAILED(Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value,
                    nullptr, nullptr))) {
    return std::nullopt;
  }
  auto result = ValueFromVariant(value);
  VariantClear(&value);
  return result;
}

STDMETHODIMP SkinObject::Load(IPropertyBag* bag, IErrorLog* log) {
  if (!bag) return E_POINTER;
  ComPropertyBag adapter(bag, log);
  HRESULT hr = Call([&](GlavoSkin& skin) { skin.ReadProperties(adapter); });
  if (SUCCEEDED(hr)) dirty_ = false;
  return hr;
}

// Values equal to their defaults are left out of the bag, as the skin's
// writes do, and a bag reads them back as those defaults; a container that
// asks for all properties gets those values written too.
STDMETHODIMP SkinObject::Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) {
  if (!bag) return E_POINTER;
  ComPropertyBag adapter(bag, nullptr);
  CompletePropertyBag complete(adapter, [this](std::string_view key) { return CurrentValue(key); });
  PropertyBag& target = saveAll ? static_cast<PropertyBag&>(complete) : adapter;
  HRESULT hr = Call([&](GlavoSkin& skin) { skin.WriteProperties(target); });
  if (SUCCEEDED(hr)) hr = adapter.writeStatus();
  if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
  return hr;
}

}  // namespace glavo::server
