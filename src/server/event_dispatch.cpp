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

VARIANTARG ByRef(short& value) {
  VARIANTARG v;
  VariantInit(&v);
  v.vt = VT_I2 | VT_BYREF;
  v.piVal = &value;
  return v;
}

VARIANTARG ByRef(float& value) {
  VARIANTARG v;
  VariantInit(&v);
  v.vt = VT_R4 | VT_BYREF;
  v.pfltVal = &value;
  return v;
}

VARIANTARG ByRef(long& value) {
  VARIANTARG v;
  VariantInit(&v);
  v.vt = VT_I4 | VT_BYREF;
  v.plVal = &value;
  return v;
}

void NotifyChanged(const ConnectionPoint& point, DISPID id) {
  for (const auto& sink : point.sinks()) {
    Microsoft::WRL::ComPtr<IPropertyNotifySink> notify;
    if (SUCCEEDED(sink.As(&notify))) notify->OnChanged(id);
  }
}

}  // namespace glavo::server
