// The soak: rounds of scripted use of the real control for a given time,
// sampling the process's GDI objects, USER objects and private bytes every
// few seconds as "SAMPLE seconds gdi user privateKB" lines.
#include "activex_host.h"

#include <ocidl.h>
#include <psapi.h>

#include <string>

namespace activex_host {

namespace {

constexpr DWORD kSampleEveryMs = 3000;

HWND PartAtPoint(HWND control, int x, int y) { return ChildWindowFromPointEx(control, POINT{x, y}, CWP_SKIPINVISIBLE); }

void PostAt(HWND window, UINT message, WPARAM keys, POINT screen) {
  ScreenToClient(window, &screen);
  PostMessageW(window, message, keys, MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
}

POINT CentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

// USER objects: the system's count where it keeps one, else the windows of
// this thread (Wine answers 0).
int UserObjectCount() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<int>(counted);
  int windows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

long long PrivateKilobytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
    return -1;
  }
  // Wine leaves PrivateUsage at 0; its page file usage counts the same
  // committed private memory.
  const SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  return static_cast<long long>(bytes / 1024);
}

bool PutText(IDispatch* object, const wchar_t* name, const std::wstring& text) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = 0;
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_BSTR;
  arg.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&arg, &named, 1, 1};
  const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
  VariantClear(&arg);
  return SUCCEEDED(hr);
}

// Hover, then press and release away from the button: its looks change,
// no click happens.
void HoverAndPressButtons(HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  for (int fromRight = 14; fromRight < 110; fromRight += 24) {
    HWND button = PartAtPoint(control, r.right - fromRight, 15);
    RECT box{};
    GetWindowRect(button, &box);
    // Only the buttons: a press on the title bar would start a move.
    if (!button || button == control || box.right - box.left > 40) continue;
    const POINT at = CentreOf(button);
    SetCursorPos(at.x, at.y);
    PostAt(button, WM_MOUSEMOVE, 0, at);
    Pump(40);
    PostAt(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Pump(30);
    const POINT away{at.x, at.y + 80};
    PostAt(button, WM_MOUSEMOVE, MK_LBUTTON, away);
    PostAt(button, WM_LBUTTONUP, 0, away);
    Pump(30);
  }
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
}

// Each border part: pressed, moved out and back, released.
void DragBorders(HWND form, HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  // The border parts: the side bars, the bottom bar and the two lower
  // corners (the title bar above moves the form instead).
  const POINT grips[] = {{1, r.bottom / 2}, {r.right - 2, r.bottom / 2}, {r.right / 2, r.bottom - 2},
                         {1, r.bottom - 2}, {r.right - 2, r.bottom - 2}};
  RECT start{};
  GetWindowRect(form, &start);
  for (POINT grip : grips) {
    HWND part = PartAtPoint(control, grip.x, grip.y);
    if (!part || part == control) continue;
    POINT at = grip;
    MapWindowPoints(control, HWND_DESKTOP, &at, 1);
    PostAt(part, WM_MOUSEMOVE, 0, at);
    PostAt(part, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Pump(20);
    for (int step : {6, 12, 6, 0}) {
      PostAt(part, WM_MOUSEMOVE, MK_LBUTTON, POINT{at.x + step, at.y + step});
      Pump(15);
    }
    PostAt(part, WM_LBUTTONUP, 0, at);
    Pump(20);
  }
  SetWindowPos(form, nullptr, start.left, start.top, start.right - start.left, start.bottom - start.top, SWP_NOZORDER);
}

void MaximizeAndRestore(IDispatch* skin, HWND control) {
  for (long fullScreen : {0L, -1L}) {
    PutLong(skin, L"AllowFullScreen", fullScreen);
    for (int i = 0; i < 2; ++i) {
      RECT r{};
      GetClientRect(control, &r);
      HWND title = PartAtPoint(control, r.right / 3, 15);
      PostMessageW(title, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
      PostMessageW(title, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
      Pump(150);
    }
  }
  PutLong(skin, L"AllowFullScreen", 0);
  PutLong(skin, L"SkinState", 1);  // minimized
  Pump(100);
  PutLong(skin, L"SkinState", 0);
  Pump(100);
}

void SaveAndLoad(IDispatch* skin) {
  IPersistStreamInit* persist = nullptr;
  if (FAILED(skin->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) return;
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  if (stream && SUCCEEDED(persist->Save(stream, TRUE))) {
    LARGE_INTEGER zero{};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    persist->Load(stream);
  }
  if (stream) stream->Release();
  persist->Release();
}

void Round(Report& report, IDispatch* skin, HWND form, HWND control, int round) {
  // The first round names its steps, so that a step that hangs shows.
  auto step = [&](const char* name) {
    if (round == 0) report.line(std::string("STEP ") + name);
  };
  step("buttons");
  HoverAndPressButtons(control);
  step("borders");
  DragBorders(form, control);
  step("maximize");
  MaximizeAndRestore(skin, control);
  step("properties");
  PutLong(skin, L"BodyTheme", round % 12);
  PutText(skin, L"Caption", L"Soak round " + std::to_wstring(round));
  PutLong(skin, L"TitleBarSize", round % 2 ? 34 : 30);
  PutLong(skin, L"BorderSize", round % 2 ? 5 : 3);
  PutLong(skin, L"ButtonSize", round % 2 ? 20 : 24);
  step("persistence");
  SaveAndLoad(skin);
  Pump(50);
}

}  // namespace

void RunSoak(Report& report, IDispatch* skin, HWND form, HWND control, int seconds) {
  std::string how;
  const DWORD start = GetTickCount();
  DWORD nextSample = start;
  int rounds = 0;
  int samples = 0;
  while (static_cast<LONG>(GetTickCount() - start) < seconds * 1000) {
    if (static_cast<LONG>(GetTickCount() - nextSample) >= 0) {
      report.line("SAMPLE " + std::to_string((GetTickCount() - start) / 1000.0) + " " + std::to_string(GdiObjectCount(how)) +
                  " " + std::to_string(UserObjectCount()) + " " + std::to_string(PrivateKilobytes()));
      ++samples;
      nextSample += kSampleEveryMs;
    }
    Round(report, skin, form, control, rounds++);
    // Every theme once, and every size: what is made once and kept exists now.
    if (rounds == 12) report.line("WARMED " + std::to_string((GetTickCount() - start) / 1000.0));
  }
  report.line("SAMPLE " + std::to_string((GetTickCount() - start) / 1000.0) + " " + std::to_string(GdiObjectCount(how)) +
              " " + std::to_string(UserObjectCount()) + " " + std::to_string(PrivateKilobytes()));
  report.line("SOAK rounds " + std::to_string(rounds) + " gdi counted by " + how);
  report.check("soak_ran", rounds > 0 && samples >= 3 && IsWindow(form) && IsWindow(control),
               std::to_string(rounds) + " rounds, " + std::to_string(samples + 1) + " samples");
}

}  // namespace activex_host
