// glavo-demo.exe: a plain Win32 window that wears GlavoSkin. The skin is
// hosted through the system's ATL container window (AtlAxWin); the help
// button, N / Right / Space and P / Left cycle the twelve built-in themes.
//   glavo-demo.exe [--theme N] [--screenshot out.png]
// With --screenshot the window is captured from the screen once it has
// settled, and the program ends.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <initguid.h>

#include <string>
#include <vector>

#include "demo_png.h"
#include "glavowrap_idl.h"

namespace {

constexpr long kThemeCount = 12;
constexpr const wchar_t* kThemeNames[kThemeCount] = {
    L"Onyx", L"AJAX", L"Graphite", L"Vista", L"iTunes", L"Google Chrome", L"Tinted Glass",
    L"Office 2007", L"Candy", L"Safari", L"Media Player", L"SilverLight"};

struct Demo {
  HWND window = nullptr;
  HWND container = nullptr;
  IDispatch* skin = nullptr;
  long theme = 0;
};

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

void Put(IDispatch* object, const wchar_t* name, VARIANT value) {
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &put, 1, 1};
  object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                 nullptr, nullptr, nullptr);
}

void ShowTheme(Demo& demo, long theme) {
  if (!demo.skin) return;
  demo.theme = (theme % kThemeCount + kThemeCount) % kThemeCount;
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_I4;
  value.lVal = demo.theme;
  Put(demo.skin, L"BodyTheme", value);
  std::wstring caption = std::wstring(L"Glavowrap demo \x2014 ") + kThemeNames[demo.theme] +
                         L"   (N / P: theme)";
  value.vt = VT_BSTR;
  value.bstrVal = SysAllocString(caption.c_str());
  Put(demo.skin, L"Caption", value);
  VariantClear(&value);
}

// The skin's Click event: the help button shows the next theme.
class SkinEvents final : public IDispatch {
 public:
  explicit SkinEvents(Demo& demo) : demo_(demo) {}
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, DIID___GlavoSkin)) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    if (id != 1 || !params || params->cArgs < 1) return S_OK;
    const VARIANT& part = params->rgvarg[params->cArgs - 1];
    const long value = part.vt == (VT_BYREF | VT_I4) ? *part.plVal : part.lVal;
    // After the event returns, so the skin is not re-themed inside its own handler.
    if (value == gwr_HelpButton) PostMessageW(demo_.window, WM_APP, 0, 0);
    return S_OK;
  }

 private:
  Demo& demo_;
};

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* demo = reinterpret_cast<Demo*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_SIZE:
      if (demo && demo->container) MoveWindow(demo->container, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_APP:
      if (demo) ShowTheme(*demo, demo->theme + 1);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Theme keys, seen before the focused control gets them.
bool ThemeKey(Demo& demo, const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case 'N': case VK_RIGHT: case VK_SPACE: ShowTheme(demo, demo.theme + 1); return true;
    case 'P': case VK_LEFT: ShowTheme(demo, demo.theme - 1); return true;
    default: return false;
  }
}

void PumpFor(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

bool SaveScreenshot(HWND window, const std::wstring& path) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* px = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(px, px + static_cast<std::size_t>(w) * h);
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return glavo_demo::WritePng(path, pixels, w, h);
}

// The OCX beside the program is registered for this user when it is not
// registered yet, so the demo runs straight from the build folder.
void RegisterBesideProgram() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring ocx(path);
  ocx = ocx.substr(0, ocx.find_last_of(L"\\/") + 1) + L"glavowrap.ocx";
  IUnknown* probe = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_GlavoSkin, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                 reinterpret_cast<void**>(&probe)))) {
    probe->Release();
    return;
  }
  if (HMODULE server = LoadLibraryW(ocx.c_str())) {
    if (auto reg = reinterpret_cast<HRESULT(WINAPI*)()>(GetProcAddress(server, "DllRegisterServer"))) reg();
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
  std::wstring screenshot;
  Demo demo;
  long firstTheme = 0;
  for (int i = 1; i + 1 < __argc; ++i) {
    const std::wstring arg = __wargv[i];
    if (arg == L"--screenshot") screenshot = __wargv[++i];
    else if (arg == L"--theme") firstTheme = _wtol(__wargv[++i]);
  }
  OleInitialize(nullptr);
  RegisterBesideProgram();
  HMODULE atl = LoadLibraryW(L"atl.dll");
  auto axInit = atl ? reinterpret_cast<BOOL(WINAPI*)()>(GetProcAddress(atl, "AtlAxWinInit")) : nullptr;
  auto axGetControl =
      atl ? reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(GetProcAddress(atl, "AtlAxGetControl")) : nullptr;
  if (!axInit || !axGetControl || !axInit()) {
    MessageBoxW(nullptr, L"The ATL control container (atl.dll) is not available.", L"Glavowrap demo", MB_ICONERROR);
    return 1;
  }
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = L"GlavowrapDemo";
  RegisterClassW(&wc);
  const int width = 640, height = 420;
  demo.window = CreateWindowExW(0, wc.lpszClassName, L"Glavowrap demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                instance, &demo);
  RECT client{};
  GetClientRect(demo.window, &client);
  wchar_t clsid[64];
  StringFromGUID2(CLSID_GlavoSkin, clsid, 64);
  demo.container = CreateWindowExW(0, L"AtlAxWin", clsid, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                   client.right, client.bottom, demo.window, nullptr, instance, nullptr);
  IUnknown* control = nullptr;
  if (!demo.container || FAILED(axGetControl(demo.container, &control)) || !control ||
      FAILED(control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&demo.skin)))) {
    MessageBoxW(nullptr, L"GlavoSkin could not be created. Is glavowrap.ocx registered?", L"Glavowrap demo",
                MB_ICONERROR);
    return 1;
  }
  SkinEvents events(demo);
  IConnectionPointContainer* points = nullptr;
  IConnectionPoint* point = nullptr;
  DWORD cookie = 0;
  if (SUCCEEDED(demo.skin->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points))) &&
      SUCCEEDED(points->FindConnectionPoint(DIID___GlavoSkin, &point))) {
    point->Advise(&events, &cookie);
  }
  ShowTheme(demo, firstTheme);
  ShowWindow(demo.window, show);
  UpdateWindow(demo.window);

  int result = 0;
  if (!screenshot.empty()) {
    PumpFor(1500);
    result = SaveScreenshot(demo.window, screenshot) ? 0 : 1;
    DestroyWindow(demo.window);
  } else {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (ThemeKey(demo, msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (point) {
    point->Unadvise(cookie);
    point->Release();
  }
  if (points) points->Release();
  demo.skin->Release();
  control->Release();
  OleUninitialize();
  return result;
}
