#include "platform/win32/win32_services.h"

#include <string>

#include <windows.h>

namespace glavo::win32 {
namespace {

HWND AsWindow(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

Win32Screen::Win32Screen() {
  HDC screen = GetDC(nullptr);
  if (screen) {
    int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    if (dpiX > 0) twipsX_ = 1440.0 / dpiX;
    if (dpiY > 0) twipsY_ = 1440.0 / dpiY;
    ReleaseDC(nullptr, screen);
  }
}

double Win32Screen::width() const { return GetSystemMetrics(SM_CXSCREEN) * twipsX_; }
double Win32Screen::height() const { return GetSystemMetrics(SM_CYSCREEN) * twipsY_; }

std::int32_t Win32WindowApi::getWindowLong(WindowHandle window, int index) {
  return window ? GetWindowLongA(AsWindow(window), index) : 0;
}

std::int32_t Win32WindowApi::setWindowLong(WindowHandle window, int index, std::int32_t value) {
  return window ? SetWindowLongA(AsWindow(window), index, value) : 0;
}

// The layout sets the form's text on every pass, which during a drag is
// twice a step; a text the window already has is not sent again (under Wine
// each WM_SETTEXT is a request to the server and a redraw of the frame).
void Win32WindowApi::setWindowText(WindowHandle window, std::u16string_view text) {
  if (!window || windowText(window) == text) return;
  std::u16string copy(text);
  DefWindowProcW(AsWindow(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

std::u16string Win32WindowApi::windowText(WindowHandle window) const {
  if (!window) return {};
  int n = GetWindowTextLengthW(AsWindow(window));
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  n = GetWindowTextW(AsWindow(window), text.data(), n + 1);
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), static_cast<std::size_t>(n));
}

WindowHandle Win32WindowApi::findWindow(std::string_view className, std::string_view windowName) {
  std::string cls(className), name(windowName);
  HWND found = FindWindowA(cls.empty() ? nullptr : cls.c_str(), name.empty() ? nullptr : name.c_str());
  return reinterpret_cast<WindowHandle>(found);
}

WindowHandle Win32WindowApi::desktopWindow() {
  return reinterpret_cast<WindowHandle>(GetDesktopWindow());
}

bool Win32WindowApi::getWindowRect(WindowHandle window, Rect& rect) {
  RECT r;
  if (!window || !GetWindowRect(AsWindow(window), &r)) return false;
  rect = Rect{r.left, r.top, r.right, r.bottom};
  return true;
}

void Win32WindowApi::releaseCapture() { ReleaseCapture(); }

std::intptr_t Win32WindowApi::sendMessage(WindowHandle window, unsigned message,
                                          std::uintptr_t wParam, std::intptr_t lParam) {
  if (!window) return 0;
  return SendMessageA(AsWindow(window), message, wParam, lParam);
}

void Win32MessagePump::doEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

Point Win32Desktop::cursorPos() const {
  POINT p = {};
  GetCursorPos(&p);
  return Point{p.x, p.y};
}

WindowHandle Win32Desktop::windowFromPoint(Point p) const {
  return reinterpret_cast<WindowHandle>(WindowFromPoint(POINT{p.x, p.y}));
}

}  // namespace glavo::win32
