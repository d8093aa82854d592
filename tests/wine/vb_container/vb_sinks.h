// What a VB form listens to on a control: its events (logged with their
// DISPID and first argument) and its property change notifications.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include "call_log.h"
#include "com_answers.h"

namespace vb_container {

class EventSink final : public IDispatch {
 public:
  EventSink(CallLog& log, REFIID events) : log_(log), events_(events) {}
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    return QueryOne<IDispatch>(this, riid, out, IID_IDispatch, events_);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override { return --refs_; }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return NoTypeInfoCount(count); }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return NoTypeInfo(info); }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

 private:
  CallLog& log_;
  IID events_;
  ULONG refs_ = 1;
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
