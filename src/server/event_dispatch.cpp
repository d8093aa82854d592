#include "server/event_dispatch.h"

#include <vector>

namespace glavo::server {

void FireEvent(const ConnectionPoint& point, DISPID id, std::span<const VARIANTARG> args) {
  // DISPPARAMS lists the arguments last to first.
  std::vector<VARIANTARG> reversed(args.rbegin(), args.rend());
  DISPPARAMS params = {};
  params.rgvarg = reversed.empty() ? nullptr : reversed.data();
  params.cArgs = static_cast<UINT>(reversed.size());
  for (const auto& sink : point.sinks()) {
    Microsoft::WRL::ComPtr<IDispatch> dispatch;
    if (FAILED(sink.As(&dispatch))) continue;
    // A failing handler does not stop the other sinks or the control.
    dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                     nullptr);
  }
}

namespace {

// All by-reference VARIANTs keep their pointer in the same place.
VARIANTARG ByRefOf(VARTYPE type, void* value) {
  VARIANTARG v;
  VariantInit(&v);
  v.vt = type | VT_BYREF;
  v.byref = value;
  return v;
}

}  // namespace

VARIANTARG ByRef(short& value) { return ByRefOf(VT_I2, &value); }
VARIANTARG ByRef(float& value) { return ByRefOf(VT_R4, &value); }
VARIANTARG ByRef(long& value) { return ByRefOf(VT_I4, &value); }

void NotifyChanged(const ConnectionPoint& point, DISPID id) {
  for (const auto& sink : point.sinks()) {
    Microsoft::WRL::ComPtr<IPropertyNotifySink> notify;
    if (SUCCEEDED(sink.As(&notify))) notify->OnChanged(id);
  }
}

}  // namespace glavo::server
