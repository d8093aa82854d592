#include "platform/win32/window_form.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/win32/window_icon.h"

namespace glavo::win32 {
namespace {

constexpr LONG kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME;
constexpr LONG kFrameExStyles = WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;

[[noreturn]] void NoMember() {
  throw HostError(host_error::kNoSuchMember, "Object doesn't support this property or method");
}

int Pixels(double twips, double twipsPerPixel) {
  return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

}  // namespace

WindowForm::WindowForm(HWND window, const Screen& screen) : window_(window), screen_(screen) {}

WindowForm::~WindowForm() {
  // The window may still show our icon; it keeps a copy of nothing, so the
  // icon is left to the process when the window outlives us.
  if (ownIcon_ && !IsWindow(window_)) DestroyIcon(ownIcon_);
}

HostValue WindowForm::get(std::string_view member) {
  const double tx = screen_.twipsPerPixelX(), ty = screen_.twipsPerPixelY();
  if (member == "hwnd") return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window_));
  if (member == "BorderStyle") return BorderStyle();
  if (member == "ShowInTaskbar") return (GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0;
  if (member == "Caption") {
    const int n = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(window_, text.data(), n + 1);
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), static_cast<std::size_t>(got));
  }
  if (member == "WindowState") return WindowState();
  if (member == "Icon") return Icon();
  const RECT r = WindowRect();
  if (member == "Left") return r.left * tx;
  if (member == "Top") return r.top * ty;
  if (member == "Width") return (r.right - r.left) * tx;
  if (member == "Height") return (r.bottom - r.top) * ty;
  RECT client{};
  GetClientRect(window_, &client);
  if (boundsKept_) {
    // The frame keeps its thickness when the kept bounds reach the window.
    const RECT now = CurrentWindowRect();
    client.right += (r.right - r.left) - (now.right - now.left);
    client.bottom += (r.bottom - r.top) - (now.bottom - now.top);
  }
  if (member == "ScaleWidth") return std::max<LONG>(0, client.right - client.left) * tx;
  if (member == "ScaleHeight") return std::max<LONG>(0, client.bottom - client.top) * ty;
  NoMember();
}

void WindowForm::set(std::string_view member, const HostValue& value) {
  if (member == "BorderStyle") {
    SetBorderStyle(HostToLong(value));
  } else if (member == "ShowInTaskbar") {
    SetShowInTaskbar(HostToBool(value));
  } else if (member == "Caption") {
    const std::u16string text = HostToString(value);
    SetWindowTextW(window_, reinterpret_cast<const wchar_t*>(text.c_str()));
  } else if (member == "WindowState") {
    SetWindowState(HostToLong(value));
  } else if (member == "Icon") {
    SetIcon(HostToPicture(value));
  } else if (member == "Left" || member == "Top" || member == "Width" || member == "Height") {
    SetBounds(member, HostToDouble(value));
  } else if (member == "hwnd" || member == "ScaleWidth" || member == "ScaleHeight") {
    throw HostError(host_error::kCannotChange, "Can't set a read-only property");
  } else {
    NoMember();
  }
}

void WindowForm::unload() {
  if (IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
}

// 0 none, 1 fixed single, 2 sizable, 3 fixed dialog, 4 fixed tool window,
// 5 sizable tool window.
std::int32_t WindowForm::BorderStyle() const {
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  const LONG ex = GetWindowLongW(window_, GWL_EXSTYLE);
  if ((style & kFrameStyles) == 0) return 0;
  const bool tool = (ex & WS_EX_TOOLWINDOW) != 0;
  if (style & WS_THICKFRAME) return tool ? 5 : 2;
  if (tool) return 4;
  return (ex & WS_EX_DLGMODALFRAME) ? 3 : 1;
}

// The outer rectangle stays where it is, so a borderless form's client area
// grows to the whole window.
void WindowForm::SetBorderStyle(std::int32_t borderStyle) {
  if (borderStyle < 0 || borderStyle > 5) throw HostError(host_error::kInvalidCall, "Invalid property value");
  LONG style = GetWindowLongW(window_, GWL_STYLE) & ~kFrameStyles;
  LONG ex = GetWindowLongW(window_, GWL_EXSTYLE) & ~kFrameExStyles;
  switch (borderStyle) {
    case 1: style |= WS_CAPTION; break;
    case 2: case 5: style |= WS_CAPTION | WS_THICKFRAME; ex |= WS_EX_WINDOWEDGE; break;
    case 3: case 4: style |= WS_CAPTION; ex |= WS_EX_DLGMODALFRAME; break;
    default: break;
  }
  SetWindowLongW(window_, GWL_STYLE, style);
  SetWindowLongW(window_, GWL_EXSTYLE, ex);
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// A top-level window shows in the taskbar unless it is a tool window; the
// taskbar notices the change when the window is shown next.
void WindowForm::SetShowInTaskbar(bool show) {
  LONG ex = GetWindowLongW(window_, GWL_EXSTYLE);
  ex = show ? ((ex | WS_EX_APPWINDOW) & ~WS_EX_TOOLWINDOW) : ((ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
  SetWindowLongW(window_, GWL_EXSTYLE, ex);
}

std::int32_t WindowForm::WindowState() const {
  if (IsIconic(window_)) return 1;
  if (IsZoomed(window_)) return 2;
  return 0;
}

void WindowForm::SetWindowState(std::int32_t state) {
  if (state < 0 || state > 2) throw HostError(host_error::kInvalidCall, "Invalid property value");
  if (state == WindowState()) return;
  ShowWindow(window_, state == 1 ? SW_MINIMIZE : state == 2 ? SW_MAXIMIZE : SW_RESTORE);
}

PictureRef WindowForm::Icon() {
  auto icon = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window_, GCLP_HICON));
  if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  if (icon != cachedIcon_ || !cachedPicture_) {
    cachedIcon_ = icon;
    cachedPicture_ = PictureFromIcon(icon);
  }
  return cachedPicture_;
}

void WindowForm::SetIcon(const PictureRef& picture) {
  HICON icon = picture ? IconFromPicture(*picture) : nullptr;
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  if (ownIcon_) DestroyIcon(ownIcon_);
  ownIcon_ = icon;
  cachedIcon_ = icon;
  cachedPicture_ = picture;
}

RECT WindowForm::CurrentWindowRect() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return r;
}

RECT WindowForm::WindowRect() const { return boundsKept_ ? keptBounds_ : CurrentWindowRect(); }

void WindowForm::SetBounds(std::string_view member, double twips) {
  RECT r = WindowRect();
  int left = r.left, top = r.top, width = r.right - r.left, height = r.bottom - r.top;
  const double tx = screen_.twipsPerPixelX(), ty = screen_.twipsPerPixelY();
  if (member == "Left") left = Pixels(twips, tx);
  if (member == "Top") top = Pixels(twips, ty);
  if (member == "Width") width = std::max(0, Pixels(twips, tx));
  if (member == "Height") height = std::max(0, Pixels(twips, ty));
  if (holds_ > 0) {
    keptBounds_ = RECT{left, top, left + width, top + height};
    boundsKept_ = true;
    return;
  }
  SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowForm::releaseBounds() {
  if (holds_ == 0 || --holds_ > 0 || !boundsKept_) return;
  boundsKept_ = false;
  const RECT& r = keptBounds_;
  const RECT now = CurrentWindowRect();
  if (EqualRect(&r, &now)) return;
  SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace glavo::win32
