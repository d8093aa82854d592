// What the Windows test programs (the server's test client and the
// containers) share to drive a COM object as a client does: the object
// made straight from its DLL, late-bound calls by name, automation values,
// a message pump, and the QueryInterface of the programs' own objects.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oaidl.h>
#include <ocidl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace com_client {

// The results file a program leaves for its native suite, one line each,
// flushed as written so that a run cut short keeps what it reached.
class ResultFile {
 public:
  explicit ResultFile(const std::wstring& path);
  ~ResultFile();
  ResultFile(const ResultFile&) = delete;
  ResultFile& operator=(const ResultFile&) = delete;
  void line(const std::string& text);

 private:
  FILE* file_;
};

// Dispatches the thread's messages for `milliseconds` (at least once).
void Pump(int milliseconds);
// A mouse message at client point (x, y) of `window`, queued as the
// system queues input.
void PostMouse(HWND window, UINT message, WPARAM keys, int x, int y);
// A double click there: press, release, the double-click press, release.
void PostDoubleClick(HWND window, int x, int y);
// "left top width height" of a rectangle, as the programs report them.
std::string RectText(const RECT& r);
// "0x8000FFFF": an HRESULT or error code as the programs report them.
std::string Hex(HRESULT hr);

// The class factory of `clsid` from the DllGetClassObject of `dll` (loaded
// if need be), so no registration is needed; null on failure, with what
// failed in `why`.
IClassFactory* FactoryFromDll(const std::wstring& dll, REFCLSID clsid, std::wstring* why = nullptr);
// `clsid` created through that factory, as `iid`; null on failure.
void* CreateFromDll(const std::wstring& dll, REFCLSID clsid, REFIID iid, std::wstring* why = nullptr);

struct Called {
  HRESULT hr = E_FAIL;
  // For DISP_E_EXCEPTION: "0xSCODE \"description\"".
  std::string error;
  // False for an exception without a description, which tells a caller nothing.
  bool described = true;
};

// Invokes `name` as a late-bound caller does, with `args` first to last; a
// let or set passes the last one as the named DISPID_PROPERTYPUT argument.
// `result` is initialised first; the caller clears it and `args`.
Called CallByName(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> args = {},
                  VARIANT* result = nullptr);
// A property's value in `out`, which the caller clears.
HRESULT Get(IDispatch* object, const wchar_t* name, VARIANT& out);
// A let, or a set for an object; `value` stays the caller's.
HRESULT Put(IDispatch* object, const wchar_t* name, const VARIANT& value);
HRESULT PutLong(IDispatch* object, const wchar_t* name, long value);
// A property converted to a Long; `otherwise` when it cannot be read so.
long GetLong(IDispatch* object, const wchar_t* name, long otherwise = -1);

// Automation values; the caller clears them.
VARIANT Long(long n);
VARIANT Bool(bool b);
VARIANT Text(const std::wstring& s);
// A string value's text, embedded NULs kept; `otherwise` for any other kind.
std::wstring TextOf(const VARIANT& value, const std::wstring& otherwise = L"");
// A value as the programs report it: numbers and Booleans as automation
// writes them, strings in quotes with other than printable ASCII as \uXXXX,
// fonts as "font(Name,Size,Bold,Italic)", other objects as "object",
// nothing as "Empty".
std::wstring Describe(const VARIANT& value);

// `object` as `riid`; null when it does not answer (or is null).
template <class T>
T* Query(IUnknown* object, REFIID riid) {
  T* out = nullptr;
  if (object) object->QueryInterface(riid, reinterpret_cast<void**>(&out));
  return out;
}

// The look SaveSkinTheme() gives; "" on failure.
std::wstring Theme(IDispatch* skin);

// `self` under IUnknown, `iid` and `also` (where it is not IID_NULL).
template <class Interface>
HRESULT QueryOne(Interface* self, REFIID riid, void** out, REFIID iid, REFIID also = IID_NULL) {
  if (!out) return E_POINTER;
  const bool mine = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, iid) ||
                    (!IsEqualIID(also, IID_NULL) && IsEqualIID(riid, also));
  *out = mine ? self : nullptr;
  if (!mine) return E_NOINTERFACE;
  self->AddRef();
  return S_OK;
}

// The IDispatch answers of an object without type information.
inline HRESULT NoTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

inline HRESULT NoTypeInfo(ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

// Hears the events of a source interface `events`; a subclass says what
// each event does. It lives as long as its scope, so the reference count
// only answers.
class EventListener : public IDispatch {
 public:
  explicit EventListener(REFIID events) : events_(events) {}
  virtual ~EventListener() = default;
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    return QueryOne<IDispatch>(this, riid, out, IID_IDispatch, events_);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return NoTypeInfoCount(count); }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return NoTypeInfo(info); }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    onEvent(id, params);
    return S_OK;
  }

 protected:
  // The arguments come last to first; by-reference ones may be written back.
  virtual void onEvent(DISPID id, DISPPARAMS* params) = 0;

 private:
  IID events_;
};

// `sink` connected to the connection point `iid` of `object` until
// unadvise() or the end of the scope: advised here, or, given the `cookie`
// of a connection made otherwise (IQuickActivate), taken over.
class Advised {
 public:
  Advised(IUnknown* object, REFIID iid, IUnknown* sink, DWORD cookie = 0);
  ~Advised();
  Advised(const Advised&) = delete;
  Advised& operator=(const Advised&) = delete;
  // What Advise answered (S_OK for a connection taken over).
  HRESULT advised() const { return advised_; }
  bool connected() const { return connected_; }
  // What Unadvise answers; asked again, the point's answer for a cookie no
  // longer connected.
  HRESULT unadvise();

 private:
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
  HRESULT advised_ = E_FAIL;
  bool connected_ = false;
};

}  // namespace com_client
