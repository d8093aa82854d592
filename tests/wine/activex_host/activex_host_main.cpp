// glavo-activex-host.exe OCX OUTDIR [soak SECONDS]: hosts GlavoSkin in
// Wine's own ATL container window and checks what a user would see and do.
// Results go to OUTDIR/activex_result.txt, screenshots to
// OUTDIR/activex_theme_N.bgra (scene/raw_image.h). With "soak" it runs
// rounds of use for SECONDS, sampling the process's resources.
#include <ocidl.h>
#include <initguid.h>

#include <cmath>
#include <string>

#include "activex_host.h"
#include "glavowrap_idl.h"
#include "scene/raw_image.h"

using namespace activex_host;

namespace {

constexpr int kFormWidth = 400, kFormHeight = 300;

// Records the control's Click events (DISPID 1) with their part.
class ClickSink final : public EventListener {
 public:
  ClickSink() : EventListener(DIID___GlavoSkin) {}
  std::vector<long> clicks;

 private:
  void onEvent(DISPID id, DISPPARAMS* params) override {
    if (id != 1 || !params || params->cArgs < 1) return;
    const VARIANT& part = params->rgvarg[params->cArgs - 1];
    clicks.push_back(part.vt == (VT_BYREF | VT_I4) ? *part.plVal : part.vt == VT_I4 ? part.lVal : -1);
  }
};

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<FormState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    state = static_cast<FormState*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  if (state) {
    switch (message) {
      case WM_CLOSE:
        ++state->closeRequests;
        if (state->refuseClose) return 0;  // the form's own QueryUnload says no
        break;
      case WM_SIZE:
        if (state->axWindow) MoveWindow(state->axWindow, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
      case WM_DESTROY:
        state->destroyed = true;
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

RECT ClientScreenRect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Click(HWND window, int x, int y) {
  PostMouse(window, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
  PostMouse(window, WM_LBUTTONUP, 0, x, y);
  Pump(200);
}

// What IViewObject::Draw gives equals what the screen shows.
bool DrawnLikeScreen(IUnknown* control, const RECT& area) {
  auto* view = Query<IViewObject>(control, IID_IViewObject);
  if (!view) return false;
  const int w = area.right - area.left, h = area.bottom - area.top;
  HRESULT hr = E_FAIL;
  const auto drawn = PaintedPixels(w, h, [&](HDC memory) {
    RECTL bounds{0, 0, w, h};
    hr = view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr, nullptr, 0);
  });
  view->Release();
  return SUCCEEDED(hr) && CountDifferent(drawn, CaptureScreen(area)) < w * h / 50;
}

// The parts are drawn inside the control's one window: the window system
// moves, sizes and paints a single window for the whole frame.
void CheckOneWindow(Report& report, HWND control) {
  int children = 0;
  for (HWND child = GetWindow(control, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++children;
  report.check("parts_without_windows", children == 0, std::to_string(children) + " child windows");
}

// Each theme on screen, for the comparison with the software host (which
// also shows that every switch repainted).
void CheckThemes(IDispatch* skin, HWND form, const std::wstring& outDir) {
  ParkPointer();
  for (long theme = 0; theme < 12; ++theme) {
    PutLong(skin, L"BodyTheme", theme);
    Pump(400);
    const RECT area = ClientScreenRect(form);
    const std::wstring path = outDir + L"\\activex_theme_" + std::to_wstring(theme) + L".bgra";
    glavo::scene::WriteRawImage(std::string(path.begin(), path.end()),  // an ASCII path
                                {area.right - area.left, area.bottom - area.top, CaptureScreen(area)});
  }
  PutLong(skin, L"BodyTheme", 0);
  Pump(300);
}

// The maximize button: the second caption button from the right, squares
// of ButtonSize three pixels down, two in from the right edge.
void CheckHover(Report& report, IDispatch* skin, HWND control) {
  const long size = GetLong(skin, L"ButtonSize");
  RECT own{};
  GetClientRect(control, &own);
  RECT area{own.right - 2 - 2 * size, 3, own.right - 2 - size, 3 + size};
  MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
  const auto before = CaptureScreen(area);
  POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  PointerAtScreen(control, WM_MOUSEMOVE, centre, 0);
  Pump(400);
  const auto over = CaptureScreen(area);
  ParkPointer();
  Pump(400);
  const auto after = CaptureScreen(area);
  report.check("hover_over_look", CountDifferent(before, over) > 20,
               std::to_string(CountDifferent(before, over)) + " pixels changed");
  report.check("hover_leaves_normal", CountDifferent(before, after) == 0,
               std::to_string(CountDifferent(before, after)) + " pixels differ after leaving");
}

// The container deactivates the control in place and activates it again on
// its window; the control's new window, or null.
HWND Reactivate(IUnknown* unknown, HWND container) {
  auto* inPlace = Query<IOleInPlaceObject>(unknown, IID_IOleInPlaceObject);
  auto* ole = Query<IOleObject>(unknown, IID_IOleObject);
  IOleClientSite* site = nullptr;
  HWND control = nullptr;
  if (inPlace && ole && SUCCEEDED(ole->GetClientSite(&site)) && site) {
    inPlace->InPlaceDeactivate();
    Pump(100);
    RECT place{};
    GetClientRect(container, &place);
    if (SUCCEEDED(ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, container, &place))) {
      inPlace->GetWindow(&control);
    }
  }
  if (site) site->Release();
  if (ole) ole->Release();
  if (inPlace) inPlace->Release();
  Pump(300);
  return control;
}

// Maximized by a title bar double click, re-bound to a new window by the
// container, and restored by a second double click: the bounds to restore
// survive the re-bind in the real server. The control's window at the end.
HWND CheckMaximize(Report& report, const FormState& state, IDispatch* skin, IUnknown* unknown, HWND control) {
  const HWND form = state.form;
  const RECT normal = ScreenRect(form);
  PostDoubleClick(control, 200, 15);
  Pump(600);
  RECT work{}, tray{};
  GetWindowRect(GetDesktopWindow(), &work);
  if (HWND trayWindow = FindWindowA("Shell_TrayWnd", nullptr)) GetWindowRect(trayWindow, &tray);
  work.bottom -= tray.bottom - tray.top;
  const RECT maxed = ScreenRect(form);
  report.check("dblclick_maximizes_to_work_area", EqualRect(&maxed, &work) != 0,
               "form " + RectText(maxed) + " work area " + RectText(work));
  const RECT client = ClientScreenRect(form);
  report.check("maximized_frame_covers_client", EqualRect(&client, &maxed) != 0 &&
                                                    EqualRect(&client, &(const RECT&)ScreenRect(control)) != 0,
               "control " + RectText(ScreenRect(control)));
  control = Reactivate(unknown, state.axWindow);
  const long skinState = GetLong(skin, L"SkinState");
  const RECT rebound = ScreenRect(form);
  report.check("rebind_keeps_maximized", control && skinState == 2 && EqualRect(&rebound, &maxed) != 0,
               "SkinState " + std::to_string(skinState) + " form " + RectText(rebound));
  PostMouse(control, WM_LBUTTONDBLCLK, MK_LBUTTON, 200, 15);
  PostMouse(control, WM_LBUTTONUP, 0, 200, 15);
  Pump(600);
  const RECT back = ScreenRect(form);
  const int w = back.right - back.left, h = back.bottom - back.top;
  const int cx = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, cy = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  const bool sized = w == normal.right - normal.left && h == normal.bottom - normal.top;
  report.check("dblclick_restores_centred", sized && std::abs(back.left - cx) <= 1 && std::abs(back.top - cy) <= 1,
               "form " + RectText(back) + " expected origin " + std::to_string(cx) + " " + std::to_string(cy));
  return control;
}

// The close button, then Alt+F4 on the control: each raises Click for the
// close button and asks the form to close; a form that refuses stays. Then
// the button closes a form that agrees.
void CheckClose(Report& report, FormState& state, HWND control, ClickSink& sink) {
  state.refuseClose = true;
  sink.clicks.clear();
  Click(control, 386, 15);
  PostMessageW(control, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
  PostMessageW(control, WM_SYSKEYUP, VK_F4, 1 | (1 << 29) | (3u << 30));
  Pump(200);
  const std::vector<long> twice{gwr_CloseButton, gwr_CloseButton};
  report.check("close_and_alt_f4_ask_the_form", sink.clicks == twice && state.closeRequests == 2 &&
                                                    !state.destroyed && IsWindow(state.form),
               std::to_string(sink.clicks.size()) + " clicks, " + std::to_string(state.closeRequests) + " close requests");
  state.refuseClose = false;
  Click(control, 386, 15);
  Pump(300);
  report.check("close_click_closes_form", state.destroyed && !IsWindow(state.form), "");
}

// A container that asks for the windowless in-place interface reaches the
// same object as through IOleInPlaceObject, which knows the control's
// window and leaves its messages to it.
void CheckInPlaceObject(Report& report, IUnknown* unknown, HWND control) {
  auto* inPlace = Query<IOleInPlaceObject>(unknown, IID_IOleInPlaceObject);
  auto* windowless = Query<IOleInPlaceObjectWindowless>(unknown, IID_IOleInPlaceObjectWindowless);
  HWND window = nullptr;
  LRESULT result = 0;
  const HRESULT got = windowless ? windowless->GetWindow(&window) : E_NOINTERFACE;
  const HRESULT message = windowless ? windowless->OnWindowMessage(WM_MOUSEMOVE, 0, 0, &result) : E_NOINTERFACE;
  const bool one = inPlace && windowless && inPlace == static_cast<IOleInPlaceObject*>(windowless);
  report.check("one_in_place_object", one && got == S_OK && window == control && message == S_FALSE,
               "GetWindow " + std::to_string(got) + " message " + std::to_string(message));
  if (inPlace) inPlace->Release();
  if (windowless) windowless->Release();
}

std::wstring FormText(HWND form) {
  wchar_t text[128] = {};
  GetWindowTextW(form, text, 128);
  return text;
}

// The caption becomes the form's own text (what the taskbar shows), in
// Unicode; a text changed behind the control's back is put right by the
// next layout.
void CheckCaption(Report& report, IDispatch* skin, HWND form) {
  const std::wstring caption = L"Glavowrap \u017c\u00f3\u0142w \u043f\u0440\u0438";
  VARIANT text = Text(caption);
  Put(skin, L"Caption", text);
  VariantClear(&text);
  Pump(100);
  const std::wstring set = FormText(form);
  SetWindowTextW(form, L"changed elsewhere");
  const long titleBar = GetLong(skin, L"TitleBarSize");
  PutLong(skin, L"TitleBarSize", titleBar + 2);
  PutLong(skin, L"TitleBarSize", titleBar);
  Pump(100);
  const std::wstring after = FormText(form);
  report.check("caption_is_form_text", set == caption && after == caption,
               after == caption ? "" : "the layout did not put the caption back");
}

// The whole tour: layout, drawing, themes, hover, caption, maximize, drags,
// close.
void CheckEverything(Report& report, FormState& state, IDispatch* skin, IUnknown* unknown, HWND control,
                     ClickSink& sink, const std::wstring& outDir) {
  const RECT formRect = ScreenRect(state.form), clientRect = ClientScreenRect(state.form);
  report.check("form_borderless", EqualRect(&formRect, &clientRect) != 0, "client " + RectText(clientRect));
  const RECT own = ScreenRect(control);
  report.check("frame_covers_client", EqualRect(&own, &clientRect) != 0, "control " + RectText(own));
  CheckOneWindow(report, control);
  CheckInPlaceObject(report, unknown, control);
  report.check("view_object_draw", DrawnLikeScreen(unknown, ClientScreenRect(state.form)), "");

  CheckThemes(skin, state.form, outDir);
  CheckHover(report, skin, control);
  CheckCaption(report, skin, state.form);
  control = CheckMaximize(report, state, skin, unknown, control);
  CheckRealDrags(report, state.form, control);
  CheckClose(report, state, control, sink);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring ocx = argv[1], outDir = argv[2];
  const std::wstring mode = argc > 3 ? argv[3] : L"";
  Report report(outDir + L"\\activex_result.txt");
  OleInitialize(nullptr);
  HMODULE server = LoadLibraryW(ocx.c_str());
  auto registerServer = server ? reinterpret_cast<HRESULT(WINAPI*)()>(GetProcAddress(server, "DllRegisterServer")) : nullptr;
  report.check("register", registerServer && SUCCEEDED(registerServer()));
  HMODULE atl = LoadLibraryW(L"atl.dll");
  auto axInit = reinterpret_cast<BOOL(WINAPI*)()>(GetProcAddress(atl, "AtlAxWinInit"));
  auto axGetControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(GetProcAddress(atl, "AtlAxGetControl"));
  report.check("atl_container", axInit && axGetControl && axInit());
  if (report.failures()) return 1;

  FormState state;
  WNDCLASSW wc{};
  wc.lpfnWndProc = FormProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = L"GlavoActiveXTestForm";
  RegisterClassW(&wc);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kFormWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kFormHeight) / 2;
  state.form = CreateWindowExW(0, wc.lpszClassName, L"ActiveX host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                               left, top, kFormWidth, kFormHeight, nullptr, nullptr, wc.hInstance, &state);
  RECT client{};
  GetClientRect(state.form, &client);
  wchar_t clsid[64];
  StringFromGUID2(CLSID_GlavoSkin, clsid, 64);
  state.axWindow = CreateWindowExW(0, L"AtlAxWin", clsid, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                   client.right, client.bottom, state.form, nullptr, wc.hInstance, nullptr);
  // Shown once the control has made it borderless, as a form loads.
  ShowWindow(state.form, SW_SHOW);
  Pump(500);
  IUnknown* unknown = nullptr;
  if (state.axWindow) axGetControl(state.axWindow, &unknown);
  IDispatch* skin = Query<IDispatch>(unknown, IID_IDispatch);
  report.check("control_created", skin != nullptr);
  HWND control = nullptr;
  if (auto* oleWindow = Query<IOleWindow>(unknown, IID_IOleWindow)) {
    oleWindow->GetWindow(&control);
    oleWindow->Release();
  }
  report.check("control_window", control && GetParent(control) == state.axWindow);
  if (report.failures()) return 1;

  ClickSink sink;
  {
    const Advised listening(skin, DIID___GlavoSkin, &sink);

    if (mode == L"soak") {
      state.refuseClose = true;
      RunSoak(report, skin, state.form, control, argc > 4 ? _wtoi(argv[4]) : 60);
    } else {
      CheckEverything(report, state, skin, unknown, control, sink, outDir);
    }
  }
  skin->Release();
  unknown->Release();
  report.line("DONE");
  OleUninitialize();
  return report.failures() ? 1 : 0;
}
