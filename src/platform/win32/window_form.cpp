#include "platform/win32/window_form.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/win32/window_icon.h"

namespace glavo::win32 {
namespace {

constexpr LONG kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME;
constexpr LONG kFrameExStyles = WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;

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

double WindowForm::bound(FormBound which) {
  const double tx = screen_.twipsPerPixelX(), ty = screen_.twipsPerPixelY();
  const RECT r = WindowRect();
  switch (which) {
    case FormBound::kLeft: return r.left * tx;
    case FormBound::kTop: return r.top * ty;
    case FormBound::kWidth: return (r.right - r.left) * tx;
    case FormBound::kHeight: return (r.bottom - r.top) * ty;
  }
  return 0;
}

RECT WindowForm::ClientRect() const {
  RECT client{};
  GetClientRect(window_, &client);
  if (boundsKept_) {
    // The frame keeps its thickness when the kept bounds reach the window.
    const RECT r = WindowRect(), now = CurrentWindowRect();
    client.right += (r.right - r.left) - (now.right - now.left);
    client.bottom += (r.bottom - r.top) - (now.bottom - now.top);
  }
  return client;
}

double WindowForm::scaleWidth() {
  const RECT client = ClientRect();
  return std::max<LONG>(0, client.right - client.left) * screen_.twipsPerPixelX();
}

double WindowForm::scaleHeight() {
  const RECT client = ClientRect();
  return std::max<LONG>(0, client.bottom - client.top) * screen_.twipsPerPixelY();
}

std::u16string WindowForm::caption() {
  const int n = GetWindowTextLengthW(window_);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(window_, text.data(), n + 1);
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), static_cast<std::size_t>(got));
}

void WindowForm::setCaption(const std::u16string& text) {
  SetWindowTextW(window_, reinterpret_cast<const wchar_t*>(text.c_str()));
}

void WindowForm::unload() {
  if (IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
}

// The outer rectangle stays where it is, so a borderless form's client area
// grows to the whole window.
void WindowForm::setBorderStyle(FormBorderStyle borderStyle) {
  LONG style = GetWindowLongW(window_, GWL_STYLE) & ~kFrameStyles;
  LONG ex = GetWindowLongW(window_, GWL_EXSTYLE) & ~kFrameExStyles;
  switch (borderStyle) {
    case FormBorderStyle::kNone: break;
    case FormBorderStyle::kFixedSingle: style |= WS_CAPTION; break;
    case FormBorderStyle::kSizable:
    case FormBorderStyle::kSizableToolWindow:
      style |= WS_CAPTION | WS_THICKFRAME;
      ex |= WS_EX_WINDOWEDGE;
      break;
    case FormBorderStyle::kFixedDialog:
    case FormBorderStyle::kFixedToolWindow:
      style |= WS_CAPTION;
      ex |= WS_EX_DLGMODALFRAME;
      break;
    default: throw HostError(host_error::kInvalidCall, "Invalid property value");
  }
  SetWindowLongW(window_, GWL_STYLE, style);
  SetWindowLongW(window_, GWL_EXSTYLE, ex);
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// A top-level window shows in the taskbar unless it is a tool window; the
// taskbar notices the change when the window is shown next.
void WindowForm::setShowInTaskbar(bool show) {
  LONG ex = GetWindowLongW(window_, GWL_EXSTYLE);
  ex = show ? ((ex | WS_EX_APPWINDOW) & ~WS_EX_TOOLWINDOW) : ((ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
  SetWindowLongW(window_, GWL_EXSTYLE, ex);
}

FormWindowState WindowForm::windowState() {
  if (IsIconic(window_)) return FormWindowState::kMinimized;
  if (IsZoomed(window_)) return FormWindowState::kMaximized;
  return FormWindowState::kNormal;
}

void WindowForm::setWindowState(FormWindowState state) {
  int show = SW_RESTORE;
  switch (state) {
    case FormWindowState::kNormal: break;
    case FormWindowState::kMinimized: show = SW_MINIMIZE; break;
    case FormWindowState::kMaximized: show = SW_MAXIMIZE; break;
    default: throw HostError(host_error::kInvalidCall, "Invalid property value");
  }
  if (state != windowState()) ShowWindow(window_, show);
}

PictureRef WindowForm::icon() {
  auto icon = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window_, GCLP_HICON));
  if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  if (icon != cachedIcon_ || !cachedPicture_) {
    cachedIcon_ = icon;
    cachedPicture_ = PictureFromIcon(icon);
  }
  return cachedPicture_;
}

void WindowForm::setIcon(const PictureRef& picture) {
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

void WindowForm::setBound(FormBound which, double twips) {
  RECT r = WindowRect();
  int left = r.left, top = r.top, width = r.right - r.left, height = r.bottom - r.top;
  const double tx = screen_.twipsPerPixelX(), ty = screen_.twipsPerPixelY();
  switch (which) {
    case FormBound::kLeft: left = Pixels(twips, tx); break;
    case FormBound::kTop: top = Pixels(twips, ty); break;
    case FormBound::kWidth: width = std::max(0, Pixels(twips, tx)); break;
    case FormBound::kHeight: height = std::max(0, Pixels(twips, ty)); break;
  }
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
