#include "vb_sinks.h"

namespace vb_container {

// Arguments come last first; the first one names the skin part.
void EventSink::onEvent(DISPID id, DISPPARAMS* params) {
  std::string first;
  if (params && params->cArgs > 0) {
    VARIANT& arg = params->rgvarg[params->cArgs - 1];
    if (arg.vt & VT_BYREF) {
      if ((arg.vt & ~VT_BYREF) == VT_I4) first = std::to_string(*arg.plVal);
      else if ((arg.vt & ~VT_BYREF) == VT_I2) first = std::to_string(*arg.piVal);
    } else {
      first = VariantText(arg);
    }
  }
  log_.call("event " + std::to_string(id) + (first.empty() ? "" : " " + first));
}

STDMETHODIMP NotifySink::OnChanged(DISPID id) {
  log_.call("notify.OnChanged " + std::to_string(id));
  return S_OK;
}

}  // namespace vb_container
