// IPersistStreamInit and IPersistPropertyBag: the skin reads and writes
// its own keys, in its own order, through the core's PropertyBag.
#include "server/com_property_bag.h"
#include "server/error_info.h"
#include "server/ordered_property_bag.h"
#include "server/skin_object.h"
#include "server/stream_format.h"

namespace glavo::server {

STDMETHODIMP SkinObject::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_GlavoSkin;
  return S_OK;
}

STDMETHODIMP SkinObject::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

STDMETHODIMP SkinObject::InitNew() {
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

STDMETHODIMP SkinObject::Load(IPropertyBag* bag, IErrorLog* log) {
  if (!bag) return E_POINTER;
  ComPropertyBag adapter(bag, log);
  HRESULT hr = Call([&](GlavoSkin& skin) { skin.ReadProperties(adapter); });
  if (SUCCEEDED(hr)) dirty_ = false;
  return hr;
}

// Values equal to their defaults are left out of the bag, as the skin's
// writes do; a bag reads them back as those defaults.
STDMETHODIMP SkinObject::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
  if (!bag) return E_POINTER;
  ComPropertyBag adapter(bag, nullptr);
  HRESULT hr = Call([&](GlavoSkin& skin) { skin.WriteProperties(adapter); });
  if (SUCCEEDED(hr)) hr = adapter.writeStatus();
  if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
  return hr;
}

}  // namespace glavo::server
