// The soak: rounds of scripted use of the real control, a warm-up and then a
// given time of steady use, sampling the process's GDI objects, USER objects
// and private bytes every few seconds as "SAMPLE seconds gdi user
// privateKB" lines.
#include "activex_host.h"

#include <ocidl.h>
#include <olectl.h>
#include <psapi.h>

#include <string>

#include "glavowrap_idl.h"

namespace activex_host {

namespace {

constexpr DWORD kSampleEveryMs = 3000;
constexpr int kWarmUpRounds = 12;
constexpr int kSteadySamples = 6;

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

// Hears the control's MouseMove events: the parts that raise them are not
// caption buttons, which is how the soak finds the buttons without knowing
// how the control lays them out (a theme brings its own button size).
class MoveListener final : public EventListener {
 public:
  MoveListener() : EventListener(DIID___GlavoSkin) {}
  bool heard = false;

 private:
  void onEvent(DISPID id, DISPPARAMS*) override {
    if (id == kMouseMoveEvent) heard = true;
  }
  static constexpr DISPID kMouseMoveEvent = 7;
};

// From the right edge leftwards along the buttons' row: hover each point,
// and where no MouseMove event answers (a caption button), press and
// release away from it: its looks change, no click happens. The first
// point that answers is the title bar, where a press would start a move.
void HoverAndPressButtons(MoveListener& listener, HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  constexpr int kRow = 12;  // inside every button: they start 3 pixels down and are at least 18 high
  for (int fromRight = 8; fromRight < r.right / 2; fromRight += 16) {
    const int x = r.right - fromRight;
    listener.heard = false;
    Pointer(control, WM_MOUSEMOVE, x, kRow, 0);
    Pump(40);
    if (listener.heard) break;
    Pointer(control, WM_LBUTTONDOWN, x, kRow, MK_LBUTTON);
    Pump(30);
    Pointer(control, WM_MOUSEMOVE, x, kRow + 80, MK_LBUTTON);
    Pointer(control, WM_LBUTTONUP, x, kRow + 80, 0);
    Pump(30);
  }
  ParkPointer();
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
    Pointer(control, WM_MOUSEMOVE, grip.x, grip.y, 0);
    Pointer(control, WM_LBUTTONDOWN, grip.x, grip.y, MK_LBUTTON);
    Pump(20);
    // The steps are fixed on the screen while the control moves under them.
    POINT pressed = grip;
    ClientToScreen(control, &pressed);
    for (int step : {6, 12, 6, 0}) {
      POINT at{pressed.x + step, pressed.y + step};
      ScreenToClient(control, &at);
      Pointer(control, WM_MOUSEMOVE, at.x, at.y, MK_LBUTTON);
      Pump(15);
    }
    POINT at = pressed;
    ScreenToClient(control, &at);
    Pointer(control, WM_LBUTTONUP, at.x, at.y, 0);
    Pump(20);
  }
  ParkPointer();
  SetWindowPos(form, nullptr, start.left, start.top, start.right - start.left, start.bottom - start.top, SWP_NOZORDER);
}

// A modal loop (the system menu's, the title bar's move) runs inside the
// dispatch of the press that starts it, so what happens in it is scripted
// ahead on a timer of the form, which the loop dispatches. The script's
// later ticks keep ending the loop until the press's pump returns, so no
// loop outlives its step.
struct ModalScript {
  enum Kind { kMenu, kMove } kind;
  HWND control;
  POINT pressed;  // screen point of the press
  int tick = 0;
  bool seen = false;  // the loop was running at a tick
};

constexpr UINT_PTR kModalTimer = 0x50A4;
constexpr wchar_t kModalScriptProperty[] = L"GlavoSoakModalScript";

bool InLoop(DWORD flags) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & flags);
}

// The menu: seen open, then closed. The move: two steps of the pointer
// with the button held, then its release.
void CALLBACK ModalTick(HWND form, UINT, UINT_PTR, DWORD) {
  auto* script = static_cast<ModalScript*>(GetPropW(form, kModalScriptProperty));
  if (!script) return;
  const int tick = ++script->tick;
  if (script->kind == ModalScript::kMenu) {
    script->seen = script->seen || InLoop(GUI_INMENUMODE | GUI_POPUPMENUMODE);
    if (tick >= 2) EndMenu();
    return;
  }
  const bool moving = InLoop(GUI_INMOVESIZE);
  script->seen = script->seen || moving;
  const int step = tick < 3 ? tick : 2;
  const POINT at{script->pressed.x + 30 * step, script->pressed.y + 20 * step};
  if (tick < 3) {
    PointerAtScreen(script->control, WM_MOUSEMOVE, at, MK_LBUTTON);
  } else if (tick == 3 || moving) {
    PointerAtScreen(script->control, WM_LBUTTONUP, at, 0);
  }
}

// Presses at `x`, `y` (control-client) with a script of `kind` running,
// releases once the loop has ended, and tells whether the loop was seen.
bool PressIntoModalLoop(HWND form, HWND control, ModalScript::Kind kind, int x, int y) {
  POINT pressed{x, y};
  ClientToScreen(control, &pressed);
  ModalScript script{kind, control, pressed};
  SetPropW(form, kModalScriptProperty, &script);
  SetTimer(form, kModalTimer, 60, ModalTick);
  Pointer(control, WM_MOUSEMOVE, x, y, 0);
  Pointer(control, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  Pump(200);  // the loop runs inside this pump: it returns only once the loop has ended
  KillTimer(form, kModalTimer);
  RemovePropW(form, kModalScriptProperty);
  if (script.kind == ModalScript::kMenu) Pointer(control, WM_LBUTTONUP, x, y, 0);
  Pump(20);
  ParkPointer();
  return script.seen;
}

struct ModalTally {
  int menus = 0;  // system menus seen open and closed
  int moves = 0;  // title bar drags that ran the move loop and moved the form
};

// The icon opens the system menu on a press; the title bar moves the form.
void SystemMenuAndTitleDrag(HWND form, HWND control, ModalTally& tally) {
  if (PressIntoModalLoop(form, control, ModalScript::kMenu, 6, 6)) ++tally.menus;
  RECT start{}, end{};
  GetWindowRect(form, &start);
  RECT r{};
  GetClientRect(control, &r);
  const bool looped = PressIntoModalLoop(form, control, ModalScript::kMove, r.right / 3, 10);
  GetWindowRect(form, &end);
  if (looped && (end.left != start.left || end.top != start.top)) ++tally.moves;
  SetWindowPos(form, nullptr, start.left, start.top, start.right - start.left, start.bottom - start.top, SWP_NOZORDER);
}

void MaximizeAndRestore(IDispatch* skin, HWND control) {
  for (long fullScreen : {0L, -1L}) {
    PutLong(skin, L"AllowFullScreen", fullScreen);
    for (int i = 0; i < 2; ++i) {
      RECT r{};
      GetClientRect(control, &r);
      Pointer(control, WM_LBUTTONDBLCLK, r.right / 3, 10, MK_LBUTTON);
      Pointer(control, WM_LBUTTONUP, r.right / 3, 10, 0);
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
  auto* persist = Query<IPersistStreamInit>(skin, IID_IPersistStreamInit);
  if (!persist) return;
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

void Round(MoveListener& listener, ModalTally& tally, IDispatch* skin, HWND form, HWND control, int round) {
  HoverAndPressButtons(listener, control);
  DragBorders(form, control);
  MaximizeAndRestore(skin, control);
  SystemMenuAndTitleDrag(form, control, tally);
  PutLong(skin, L"BodyTheme", round % 12);
  VARIANT caption = Text(L"Soak round " + std::to_wstring(round));
  Put(skin, L"Caption", caption);
  VariantClear(&caption);
  PutLong(skin, L"TitleBarSize", round % 2 ? 34 : 30);
  PutLong(skin, L"BorderSize", round % 2 ? 5 : 3);
  PutLong(skin, L"ButtonSize", round % 2 ? 20 : 24);
  SaveAndLoad(skin);
  Pump(50);
}

// The system loads a standard cursor once for the process and keeps it
// (three bitmaps each under Wine); which of them a run first meets late
// depends on where the pointer rests when the system asks for one, so all
// are loaded before sampling, as the warm-up rounds make what the control
// keeps.
void LoadSharedCursors() {
  for (LPCWSTR id : {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_UPARROW, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE,
                     IDC_SIZENS, IDC_SIZEALL, IDC_NO, IDC_HAND, IDC_APPSTARTING, IDC_HELP}) {
    LoadCursorW(nullptr, id);
  }
}

}  // namespace

void RunSoak(Report& report, IDispatch* skin, HWND form, HWND control, int seconds) {
  std::string how;
  LoadSharedCursors();
  // Flat samples mean nothing unless the count sees an object come and go.
  const int before = GdiObjectCount(how);
  HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
  const int withProbe = GdiObjectCount(how);
  DeleteObject(probe);
  report.check("gdi_count_sees_objects", withProbe == before + 1 && GdiObjectCount(how) == before,
               std::to_string(before) + " -> " + std::to_string(withProbe) + " (" + how + ")");
  const DWORD start = GetTickCount();
  DWORD nextSample = start;
  DWORD warmedAt = 0;
  int rounds = 0;
  int samples = 0;
  int steadySamples = 0;
  MoveListener listener;
  ModalTally tally;
  const Advised listening(skin, DIID___GlavoSkin, &listener);
  const auto sample = [&] {
    report.line("SAMPLE " + std::to_string((GetTickCount() - start) / 1000.0) + " " + std::to_string(GdiObjectCount(how)) +
                " " + std::to_string(UserObjectCount()) + " " + std::to_string(PrivateKilobytes()));
  };
  // Steady use lasts `seconds` after the warm-up and gives enough samples to
  // judge however slow the machine is (an emulator, a loaded CI runner).
  const auto steadyUseLeft = [&] {
    return rounds < kWarmUpRounds || static_cast<LONG>(GetTickCount() - warmedAt) < seconds * 1000 ||
           steadySamples < kSteadySamples;
  };
  while (steadyUseLeft()) {
    if (static_cast<LONG>(GetTickCount() - nextSample) >= 0) {
      sample();
      ++samples;
      if (rounds >= kWarmUpRounds) ++steadySamples;
      nextSample += kSampleEveryMs;
    }
    Round(listener, tally, skin, form, control, rounds++);
    // Every theme once, and every size: what is made once and kept exists now.
    if (rounds == kWarmUpRounds) {
      warmedAt = GetTickCount();
      report.line("WARMED " + std::to_string((warmedAt - start) / 1000.0));
    }
  }
  sample();
  report.check("soak_ran", listening.connected() && rounds > 0 && samples >= 3 && IsWindow(form) && IsWindow(control),
               std::to_string(rounds) + " rounds, " + std::to_string(samples + 1) + " samples");
  report.check("system_menu", tally.menus == rounds,
               std::to_string(tally.menus) + " of " + std::to_string(rounds) + " opened and closed");
  report.check("title_drag", tally.moves == rounds,
               std::to_string(tally.moves) + " of " + std::to_string(rounds) + " moved the form in the move loop");
}

}  // namespace activex_host
