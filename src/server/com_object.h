// Reference counting and table-driven QueryInterface for the server's
// objects. Each object lists the interfaces it answers in one table.
#pragma once

#include <atomic>
#include <cstddef>

#include "draw/noncopyable.h"
#include "server/com_headers.h"
#include "server/module_state.h"

namespace glavo::server {

template <class Object>
struct InterfaceEntry {
  const IID* iid;
  void* (*cast)(Object*);
};

// The table row for `Interface`, reached through `Via` when the object
// inherits the interface more than once (IUnknown, IDispatch).
template <class Object, class Interface, class Via = Interface>
constexpr InterfaceEntry<Object> Entry(const IID& iid) {
  return {&iid, [](Object* o) -> void* { return static_cast<Interface*>(static_cast<Via*>(o)); }};
}

template <class Object, std::size_t N>
HRESULT QueryFromTable(Object* object, const InterfaceEntry<Object> (&table)[N], REFIID riid,
                       void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (const auto& entry : table) {
    if (IsEqualIID(*entry.iid, riid)) {
      *out = entry.cast(object);
      object->AddRef();
      return S_OK;
    }
  }
  return E_NOINTERFACE;
}

// Counts references and keeps the module loaded while the object lives.
class RefCount : Noncopyable {
 public:
  RefCount() { LockModule(); }
  ~RefCount() { UnlockModule(); }

  ULONG add() { return ++count_; }
  ULONG release() { return --count_; }

 private:
  std::atomic<ULONG> count_{1};
};

// An object that answers IUnknown and one interface, and deletes itself at
// its last release.
template <class Interface, const IID& kIid>
class ComObject : public Interface {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    static constexpr InterfaceEntry<ComObject> kTable[] = {
        Entry<ComObject, IUnknown>(IID_IUnknown),
        Entry<ComObject, Interface>(kIid),
    };
    return QueryFromTable(this, kTable, riid, out);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return refs_.add(); }
  STDMETHODIMP_(ULONG) Release() override {
    ULONG n = refs_.release();
    if (n == 0) delete this;
    return n;
  }

 protected:
  virtual ~ComObject() = default;

 private:
  RefCount refs_;
};

}  // namespace glavo::server
