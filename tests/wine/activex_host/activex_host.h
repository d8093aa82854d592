// The test container: a top-level window that hosts the control through
// the system's ATL container window, and the steps that drive it by name
// and by real window messages.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

#include "com_client.h"

namespace activex_host {

using namespace com_client;

// What the host form's window procedure records.
struct FormState {
  HWND form = nullptr;
  HWND axWindow = nullptr;
  bool refuseClose = false;
  int closeRequests = 0;
  bool destroyed = false;
};

// The results file: "CHECK name ok|fail detail" and free-form lines.
class Report : public ResultFile {
 public:
  using ResultFile::ResultFile;
  void check(const char* name, bool ok, const std::string& detail = "");
  int failures() const { return failures_; }

 private:
  int failures_ = 0;
};

// The window's outer rectangle on the screen.
RECT ScreenRect(HWND window);
// The pointer to the screen's lower right corner, away from the form.
void ParkPointer();
// A mouse message at control-client (x, y), or at a screen point: the
// cursor moves there and the control's one window takes the message (its
// parts have no windows of their own).
void Pointer(HWND control, UINT message, int x, int y, WPARAM keys);
void PointerAtScreen(HWND control, UINT message, POINT screen, WPARAM keys);

// What `paint` draws into a width x height 32-bit bitmap, as 0x00RRGGBB, top
// row first.
std::vector<std::uint32_t> PaintedPixels(int width, int height, const std::function<void(HDC)>& paint);
// Screen pixels of `rect` (screen coordinates).
std::vector<std::uint32_t> CaptureScreen(const RECT& rect);
int CountDifferent(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b);

// GDI objects the process holds, and how they were counted: the system's
// own count (GetGuiResources) where it keeps one; Wine answers 0 there, and
// then the live entries of the process's GDI handle table are counted.
int GdiObjectCount(std::string& how);

// Resizes the form at its current bounds by each lower corner with real
// pointer input (many small moves, one large one), one check each, and puts
// it back.
void CheckRealDrags(Report& report, HWND form, HWND control);

// Rounds of scripted use for `seconds`, sampling GDI objects, USER objects
// and private bytes (soak.cpp).
void RunSoak(Report& report, IDispatch* skin, HWND form, HWND control, int seconds);

}  // namespace activex_host
