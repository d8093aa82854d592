// What a VB form listens to on a control: its events (logged with their
// DISPID and first argument) and its property change notifications.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <string>

#include "call_log.h"

namespace vb_container {

class EventSink final : public com_client::EventListener {
 public:
  EventSink(CallLog& log, REFIID events) : EventListener(events), log_(log) {}

 private:
  // Arguments come last first; the first one names the skin part.
  void onEvent(DISPID id, DISPPARAMS* params) override {
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
  CallLog& log_;
};

class NotifySink final : public IPropertyNotifySink {
 public:
  explicit NotifySink(CallLog& log) : log_(log) {}
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    return QueryOne<IPropertyNotifySink>(this, riid, out, IID_IPropertyNotifySink);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override { return --refs_; }
  STDMETHODIMP OnChanged(DISPID id) override {
    log_.call("notify.OnChanged " + std::to_string(id));
    return S_OK;
  }
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

 private:
  CallLog& log_;
  ULONG refs_ = 1;
};

}  // namespace vb_container
