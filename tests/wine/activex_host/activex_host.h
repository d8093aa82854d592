// The test container: a top-level window that hosts the control through
// the system's ATL container window, and the steps that drive it by name
// and by real window messages.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace activex_host {

// What the host form's window procedure records.
struct FormState {
  HWND form = nullptr;
  HWND axWindow = nullptr;
  bool refuseClose = false;
  int closeRequests = 0;
  bool destroyed = false;
};

// The results file: "CHECK name ok|fail detail" and free-form lines.
class Report {
 public:
  explicit Report(const std::wstring& path);
  ~Report();
  void check(const char* name, bool ok, const std::string& detail = "");
  void line(const std::string& text);
  int failures() const { return failures_; }

 private:
  FILE* file_;
  int failures_ = 0;
};

void Pump(int milliseconds);
// What `paint` draws into a width x height 32-bit bitmap, as 0x00RRGGBB, top
// row first.
std::vector<std::uint32_t> PaintedPixels(int width, int height, const std::function<void(HDC)>& paint);
// Screen pixels of `rect` (screen coordinates).
std::vector<std::uint32_t> CaptureScreen(const RECT& rect);
bool SavePpm(const std::wstring& path, const std::vector<std::uint32_t>& pixels, int width, int height);
int CountDifferent(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b);

// GDI objects the process holds, and how they were counted: the system's
// own count (GetGuiResources) where it keeps one; Wine answers 0 there, and
// then the live entries of the process's GDI handle table are counted.
int GdiObjectCount(std::string& how);

// Resizes the form at its current bounds by each border part with real
// pointer input (moves, too small steps, the minimum), one check each.
void CheckRealDrags(Report& report, HWND form, HWND control);

// Rounds of scripted use for `seconds`, sampling GDI objects, USER objects
// and private bytes (soak.cpp).
void RunSoak(Report& report, IDispatch* skin, HWND form, HWND control, int seconds);

// Property access through IDispatch by name.
bool PutValue(IDispatch* object, const wchar_t* name, VARIANT value);
bool PutLong(IDispatch* object, const wchar_t* name, long value);
bool GetLong(IDispatch* object, const wchar_t* name, long& value);

// Hears the control's events (its source interface, `events`); a subclass
// says what each event does.
class EventListener : public IDispatch {
 public:
  explicit EventListener(REFIID events) : events_(events) {}
  virtual ~EventListener() = default;
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    const bool mine = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, events_);
    *out = mine ? this : nullptr;
    return mine ? S_OK : E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    onEvent(id, params);
    return S_OK;
  }

 protected:
  virtual void onEvent(DISPID id, const DISPPARAMS* params) = 0;

 private:
  IID events_;
};

// `listener` advised on the control's `events` for a scope.
class Listening {
 public:
  Listening(IDispatch* control, REFIID events, IDispatch* listener);
  ~Listening();
  Listening(const Listening&) = delete;
  Listening& operator=(const Listening&) = delete;
  bool connected() const { return point_ != nullptr; }

 private:
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
};

}  // namespace activex_host
