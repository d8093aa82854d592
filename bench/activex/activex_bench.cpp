// glavo-bench-activex.exe OCX OUT [themes] [sizes]: the real control hosted in a
// top-level window through the system's ATL container (AtlAxWin), timed
// the way a user feels it. Per theme and form size it measures
//   drag   a lower-right-corner drag step: a synchronous WM_MOUSEMOVE to
//          the corner part, the pointer alternately one pixel in and back
//          (as real input reports it, relative to where the part is now),
//          then everything the step left to paint;
//   plain  a plain top-level window of the same size resized the same way:
//          the window system's own cost of a step;
//   dragx, plainx  the same, one pixel out and back instead. Both sizes
//          are multiples of 32, and Wine keeps a top-level window's pixels
//          in a surface rounded up to 32 pixels: an inward step stays in
//          the surface, as 31 of 32 one-pixel steps of a real drag do, an
//          outward one makes Wine allocate and fill a new surface.
//   over   the hover repaint of the close button: the messages dispatched
//          from the pointer's arrival until the button has painted its over
//          look (back: until it has painted its normal look again);
//   theme  a BodyTheme switch from the previous theme, painted.
// Each figure is the median of its repetitions, in milliseconds. Written
// to OUT (the program may run inside a virtual desktop without a console):
//   ACTIVEX <bits> <theme> <WxH> drag <ms> plain <ms> dragx <ms> plainx <ms> over <ms> back <ms> theme <ms>
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>
#include <initguid.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "glavowrap_idl.h"

namespace {

constexpr int kDragSteps = 40;
constexpr int kWarmSteps = 4;
constexpr int kHoverRounds = 8;
constexpr int kThemeRounds = 3;
const wchar_t* const kThemeNames[] = {L"Onyx",         L"AJAX",        L"Graphite", L"Vista",
                                      L"iTunes",       L"GoogleChrome", L"TintedGlass",
                                      L"Office2007",   L"Candy",       L"Safari",   L"MediaPlayer",
                                      L"SilverLight"};

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Dispatches what is waiting, painting included.
void Drain() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Pump(int milliseconds) {
  const double end = Now() + milliseconds;
  do {
    Drain();
    Sleep(1);
  } while (Now() < end);
}

struct Form {
  HWND window = nullptr;
  HWND axWindow = nullptr;
};

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    if (HWND child = GetWindow(window, GW_CHILD)) {
      MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

ATOM FormClass() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = FormProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"GlavoBenchForm";
    return RegisterClassW(&wc);
  }();
  return atom;
}

HWND CreateForm(int width, int height, DWORD style) {
  return CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(FormClass())), L"Glavowrap bench",
                         style | WS_CLIPCHILDREN, 0, 0, width, height, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// Paints everything the window and its children still have to paint.
void PaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

struct Control {
  IUnknown* unknown = nullptr;
  IDispatch* skin = nullptr;
  HWND window = nullptr;
};

Control HostControl(Form& form, HRESULT(WINAPI* getControl)(HWND, IUnknown**)) {
  Control c;
  RECT client{};
  GetClientRect(form.window, &client);
  wchar_t clsid[64];
  StringFromGUID2(CLSID_GlavoSkin, clsid, 64);
  form.axWindow = CreateWindowExW(0, L"AtlAxWin", clsid, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                  client.right, client.bottom, form.window, nullptr, GetModuleHandleW(nullptr),
                                  nullptr);
  ShowWindow(form.window, SW_SHOW);
  Pump(300);
  if (!form.axWindow || FAILED(getControl(form.axWindow, &c.unknown)) || !c.unknown) return c;
  c.unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&c.skin));
  IOleWindow* oleWindow = nullptr;
  if (SUCCEEDED(c.unknown->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&oleWindow)))) {
    oleWindow->GetWindow(&c.window);
    oleWindow->Release();
  }
  return c;
}

bool PutLong(IDispatch* object, const wchar_t* name, long value) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_I4;
  arg.lVal = value;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &named, 1, 1};
  return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                                  nullptr, nullptr));
}

bool GetLong(IDispatch* object, const wchar_t* name, long& value) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  DISPPARAMS none{};
  VARIANT result;
  VariantInit(&result);
  if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                            nullptr)) ||
      FAILED(VariantChangeType(&result, &result, 0, VT_I4))) {
    return false;
  }
  value = result.lVal;
  return true;
}

LPARAM PointIn(HWND window, POINT screen) {
  ScreenToClient(window, &screen);
  return MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y));
}

// A screen point inside the lower right corner part, one pixel in from its
// top left where it is wider than a pixel (the outer edge may be rounded):
// the corner is a square of the border's size ending a pixel short of the
// right edge.
bool CornerStart(HWND control, IDispatch* skin, POINT& start) {
  long border = 0;
  if (!GetLong(skin, L"BorderSize", border) || border < 1) return false;
  RECT own{};
  GetClientRect(control, &own);
  const long in = border > 1 ? 1 : 0;
  start = POINT{own.right - border - 1 + in, own.bottom - border + in};
  return ClientToScreen(control, &start) != FALSE;
}

// Corner drag steps: the pointer (a screen position) goes one pixel in
// the direction `out` (+1 outwards, -1 inwards) and back; each move is
// reported relative to where the corner is now.
double TimeDragSteps(HWND form, HWND control, IDispatch* skin, int direction) {
  HWND corner = control;  // the window that gets the pointer over the corner part
  POINT start{};
  if (!CornerStart(control, skin, start)) return -1;
  SendMessageW(corner, WM_MOUSEMOVE, 0, PointIn(corner, start));
  SendMessageW(corner, WM_LBUTTONDOWN, MK_LBUTTON, PointIn(corner, start));
  Drain();
  RECT before{};
  GetWindowRect(form, &before);
  std::vector<double> times;
  bool followed = true;  // every step grew or shrank the form by its pixel
  for (int i = 0; i < kDragSteps + kWarmSteps; ++i) {
    const int out = i % 2 == 0 ? direction : 0;
    const POINT at{start.x + out, start.y + out};
    const double t0 = Now();
    SendMessageW(corner, WM_MOUSEMOVE, MK_LBUTTON, PointIn(corner, at));
    Drain();
    PaintNow(form);
    if (i >= kWarmSteps) times.push_back(Now() - t0);
    RECT now{};
    GetWindowRect(form, &now);
    followed = followed && now.right - before.right == out && now.bottom - before.bottom == out;
  }
  SendMessageW(corner, WM_LBUTTONUP, 0, PointIn(corner, start));
  Drain();
  // A step that changed nothing was not timed: say so rather than report it.
  return followed ? Median(times) : -1;
}

double TimePlainResize(int width, int height, int direction) {
  HWND plain = CreateForm(width, height, WS_POPUP | WS_VISIBLE);
  Pump(100);
  std::vector<double> times;
  for (int i = 0; i < kDragSteps + kWarmSteps; ++i) {
    const int grow = i % 2 == 0 ? direction : 0;
    const double t0 = Now();
    SetWindowPos(plain, nullptr, 0, 0, width + grow, height + grow, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    Drain();
    PaintNow(plain);
    if (i >= kWarmSteps) times.push_back(Now() - t0);
  }
  DestroyWindow(plain);
  Drain();
  return Median(times);
}

// Dispatches messages until `window` has painted (or a second has passed);
// returns the time spent dispatching, waits between messages left out.
double DispatchUntilPainted(HWND window) {
  double busy = 0;
  const double deadline = Now() + 1000;
  while (Now() < deadline) {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      Sleep(0);
      continue;
    }
    const double t0 = Now();
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    busy += Now() - t0;
    if (msg.message == WM_PAINT && msg.hwnd == window) return busy;
  }
  return -1;
}

// The close button's over look and back, through the real hover poll.
// The close button is the rightmost caption button: a square of ButtonSize
// three pixels down, two in from the right edge.
void TimeHover(HWND form, HWND control, IDispatch* skin, double& over, double& back) {
  RECT r{};
  GetWindowRect(control, &r);
  long size = 0;
  if (!GetLong(skin, L"ButtonSize", size) || size < 4) {
    over = back = -1;
    return;
  }
  HWND button = control;  // the window that gets the pointer over the button
  const POINT inside{r.right - 2 - size / 2, r.top + 3 + size / 2};
  const POINT outside{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  std::vector<double> overs, backs;
  for (int i = 0; i < kHoverRounds; ++i) {
    SetCursorPos(inside.x, inside.y);
    const double t0 = Now();
    SendMessageW(button, WM_MOUSEMOVE, 0, PointIn(button, inside));
    const double sent = Now() - t0;
    overs.push_back(sent + DispatchUntilPainted(button));
    Pump(20);
    SetCursorPos(outside.x, outside.y);
    backs.push_back(DispatchUntilPainted(button));
    Pump(20);
  }
  over = Median(overs);
  back = Median(backs);
}

double TimeThemeSwitch(HWND form, IDispatch* skin, int theme) {
  std::vector<double> times;
  for (int i = 0; i < kThemeRounds; ++i) {
    PutLong(skin, L"BodyTheme", (theme + 11) % 12);
    Drain();
    PaintNow(form);
    const double t0 = Now();
    PutLong(skin, L"BodyTheme", theme);
    Drain();
    PaintNow(form);
    times.push_back(Now() - t0);
  }
  return Median(times);
}

std::vector<int> ParseList(const wchar_t* text, int count) {
  std::vector<int> out;
  if (!text || !*text) {
    for (int i = 0; i < count; ++i) out.push_back(i);
    return out;
  }
  for (const wchar_t* p = text; *p;) {
    out.push_back(static_cast<int>(wcstol(p, const_cast<wchar_t**>(&p), 10)));
    while (*p == L',') ++p;
  }
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: glavo-bench-activex OCX OUT [themes 0,3,...] [sizes 0=1920x1080,1=1280x800]\n");
    return 2;
  }
  FILE* out = _wfopen(argv[2], L"w");
  if (!out) return 2;
  const std::vector<int> themes = ParseList(argc > 3 ? argv[3] : nullptr, 12);
  const std::vector<int> sizeIndexes = ParseList(argc > 4 ? argv[4] : nullptr, 2);
  const SIZE sizes[] = {{1920, 1080}, {1280, 800}};
  const int bits = sizeof(void*) * 8;

  OleInitialize(nullptr);
  HMODULE server = LoadLibraryW(argv[1]);
  auto registerServer = server ? reinterpret_cast<HRESULT(WINAPI*)()>(GetProcAddress(server, "DllRegisterServer")) : nullptr;
  HMODULE atl = LoadLibraryW(L"atl.dll");
  auto axInit = atl ? reinterpret_cast<BOOL(WINAPI*)()>(GetProcAddress(atl, "AtlAxWinInit")) : nullptr;
  auto axGetControl = atl ? reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(GetProcAddress(atl, "AtlAxGetControl")) : nullptr;
  if (!registerServer || FAILED(registerServer()) || !axInit || !axGetControl || !axInit()) {
    std::fprintf(out, "ERROR cannot register %ls or start the ATL container\n", argv[1]);
    return 1;
  }
  for (int s : sizeIndexes) {
    if (s < 0 || s > 1) continue;
    const SIZE size = sizes[s];
    Form form;
    form.window = CreateForm(size.cx, size.cy, WS_OVERLAPPEDWINDOW);
    Control control = HostControl(form, axGetControl);
    if (!control.skin || !control.window) {
      std::fprintf(out, "ERROR the control was not created\n");
      return 1;
    }
    // The control made the form borderless; it is now exactly this size.
    SetWindowPos(form.window, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER);
    Pump(200);
    const double plain = TimePlainResize(size.cx, size.cy, -1);
    const double plainOut = TimePlainResize(size.cx, size.cy, 1);
    for (int theme : themes) {
      if (theme < 0 || theme > 11) continue;
      const double themeSwitch = TimeThemeSwitch(form.window, control.skin, theme);
      Pump(50);
      const double drag = TimeDragSteps(form.window, control.window, control.skin, -1);
      const double dragOut = TimeDragSteps(form.window, control.window, control.skin, 1);
      double over = 0, back = 0;
      TimeHover(form.window, control.window, control.skin, over, back);
      std::fprintf(out, "ACTIVEX %d %ls %ldx%ld drag %.3f plain %.3f dragx %.3f plainx %.3f over %.3f back %.3f theme %.3f\n",
                   bits, kThemeNames[theme], size.cx, size.cy, drag, plain, dragOut, plainOut, over, back,
                   themeSwitch);
      std::fflush(out);
    }
    control.skin->Release();
    control.unknown->Release();
    DestroyWindow(form.window);
    Drain();
  }
  OleUninitialize();
  std::fprintf(out, "DONE\n");
  std::fclose(out);
  return 0;
}
