// What a VB form listens to on a control: its events (logged with their
// DISPID and first argument) and its property change notifications.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include "call_log.h"

namespace vb_container {

class EventSink final : public com_client::EventListener {
 public:
  EventSink(CallLog& log, REFIID events) : EventListener(events), log_(log) {}

 private:
  void onEvent(DISPID id, DISPPARAMS* params) override;
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
  STDMETHODIMP OnChanged(DISPID id) override;
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

 private:
  CallLog& log_;
  ULONG refs_ = 1;
};

}  // namespace vb_container
