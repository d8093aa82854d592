#include "vb_sinks.h"

namespace vb_container {

STDMETHODIMP EventSink::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, events_)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

// Arguments come last first; the first one names the skin part.
STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  std::string first;
  if (params && params->cArgs > 0) {
    VARIANT& arg = params->rgvarg[params->cArgs - 1];
    VARIANT value;
    VariantInit(&value);
    if (arg.vt & VT_BYREF) {
      if ((arg.vt & ~VT_BYREF) == VT_I4) first = std::to_string(*arg.plVal);
      else if ((arg.vt & ~VT_BYREF) == VT_I2) first = std::to_string(*arg.piVal);
    } else {
      first = VariantText(arg);
    }
  }
  log_.call("event " + std::to_string(id) + (first.empty() ? "" : " " + first));
  return S_OK;
}

STDMETHODIMP NotifySink::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyNotifySink)) {
    *out = static_cast<IPropertyNotifySink*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP NotifySink::OnChanged(DISPID id) {
  log_.call("notify.OnChanged " + std::to_string(id));
  return S_OK;
}

}  // namespace vb_container
