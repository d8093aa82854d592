#include "platform/win32/window_surface.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/inner_surface.h"
#include "platform/win32/input_state.h"
#include "platform/win32/window_class.h"
#include "platform/win32/window_timer.h"
#include "runtime/picture_box.h"

namespace glavo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"GlavoControlWindow";
// A band of the frame: small enough to stay in cache between being
// composed and being handed over, large enough that the hand-overs are few.
constexpr int kBandBytes = 256 * 1024;

}  // namespace

WindowSurface::WindowSurface(HWND parentWindow, const ColorTable& colors, const Desktop& desktop,
                             Ambient ambient, Drawing drawing)
    : colors_(colors), desktop_(desktop), ambient_(std::move(ambient)), drawing_(drawing),
      buffer_(MakeCanvas(drawing, 1, 1)) {
  if (EnsureWindowClass(kClassName, &WindowSurface::Proc, CS_DBLCLKS)) {
    window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                              0, 0, 0, parentWindow, nullptr, WindowModule(), this);
  }
  setForeColor(foreColor_);
}

WindowSurface::~WindowSurface() {
  if (toolTipWindow_) DestroyWindow(toolTipWindow_);
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

WindowSurface* WindowSurface::FromWindow(HWND window) {
  if (!window) return nullptr;
  wchar_t name[64] = {};
  if (!GetClassNameW(window, name, 64) || lstrcmpW(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<WindowSurface*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

SIZE WindowSurface::clientSize() const {
  RECT r{};
  if (window_) GetClientRect(window_, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

Rect WindowSurface::bounds() const {
  if (!window_) return Rect{};
  RECT r{};
  GetWindowRect(window_, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&r), 2);
  return Rect{r.left, r.top, r.right, r.bottom};
}

void WindowSurface::move(int left, int top, int width, int height) {
  if (!window_) return;
  width = std::max(0, width);
  height = std::max(0, height);
  const Rect now = bounds();
  if (now.left == left && now.top == top && now.width() == width && now.height() == height) return;
  if (placeRequest_ && placeRequest_(left, top, width, height)) return;
  place(left, top, width, height);
}

void WindowSurface::place(int left, int top, int width, int height) {
  if (!window_) return;
  width = std::max(0, width);
  height = std::max(0, height);
  // A layout pass places every part again; a window already in place costs
  // the window system nothing.
  const Rect now = bounds();
  if (now.left == left && now.top == top && now.width() == width && now.height() == height) return;
  // The buffer repaints everything; bits USER would copy from the old place
  // would only be stale.
  SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  // WM_SIZE is not sent for a size that did not change; the check is cheap.
  SizeChanged();
}

void WindowSurface::SizeChanged() {
  const SIZE now = clientSize();
  if (now.cx == size_.cx && now.cy == size_.cy) return;
  size_ = now;
  buffer_->resize(now.cx, now.cy);
  dc().setTextColor(Shown(foreColor_));
  // A part that shapes itself sets its new mask while it repaints for the
  // new size; the region is worked out once, after that.
  if (sink_) sink_->onResize();
  ApplyRegion();
  refresh();
}

bool WindowSurface::visible() const {
  return window_ && (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void WindowSurface::setVisible(bool visible) {
  if (!window_ || visible == this->visible()) return;
  ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
  if (visible && sink_) sink_->onShow();
}

void WindowSurface::bringToFront() {
  // Already above all its siblings: nothing to reorder or repaint.
  if (!window_ || GetWindow(window_, GW_HWNDPREV) == nullptr) return;
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowSurface::holdRedraw() { ++redrawHolds_; }

void WindowSurface::releaseRedraw() {
  if (redrawHolds_ == 0 || --redrawHolds_ > 0) return;
  const Rect area = held_;
  held_ = Rect{};
  invalidate(area);
}

void WindowSurface::invalidate(const Rect& area) {
  if (!window_ || area.left >= area.right || area.top >= area.bottom) return;
  if (redrawHolds_ > 0) {
    held_ = Union(held_, area);
    return;
  }
  const RECT r{area.left, area.top, area.right, area.bottom};
  InvalidateRect(window_, &r, FALSE);
}

void WindowSurface::setToolTipText(const std::u16string& text) {
  toolTip_ = text;
  if (!text.empty()) ensureToolTip();
}

// One tool covers the window; its text is asked for when it is about to
// show, from the surface under the pointer.
void WindowSurface::ensureToolTip() {
  if (!window_ || toolTipWindow_) return;
  // Loading the common controls registers the tool tip class.
  LoadLibraryW(L"comctl32.dll");
  toolTipWindow_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                   WindowModule(), nullptr);
  if (!toolTipWindow_) return;
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  // Mouse messages are relayed (RelayToTip) rather than letting the tip
  // subclass the window: a subclassed window has its subclass looked up on
  // every message it gets, which under Wine is a request to the server.
  info.uFlags = TTF_IDISHWND;
  info.hwnd = window_;
  info.uId = reinterpret_cast<UINT_PTR>(window_);
  info.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(toolTipWindow_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void WindowSurface::RelayToTip(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!toolTipWindow_) return;
  const DWORD at = GetMessagePos();
  MSG msg{window_, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)}};
  SendMessageW(toolTipWindow_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

LRESULT WindowSurface::ToolTipText(NMHDR* header) {
  auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
  POINT cursor{};
  GetCursorPos(&cursor);
  const ControlSurface* under = surfaceAt(Point{cursor.x, cursor.y});
  tipText_ = under ? under->toolTipText() : std::u16string();
  info->lpszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(tipText_.c_str()));
  info->hinst = nullptr;
  return 0;
}

// The screen's logical resolution is fixed for the life of a process (a
// process that is not per-monitor aware sees the system's), and asking the
// window system for it is a round trip: it is read once.
double WindowSurface::pixelsPerPoint() const {
  if (pixelsPerPoint_ == 0) {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    pixelsPerPoint_ = (dpi > 0 ? dpi : 96) / 72.0;
  }
  return pixelsPerPoint_;
}

void WindowSurface::setBackColor(OleColor color) {
  StoredSurface::setBackColor(color);
  refresh();
}

bool WindowSurface::enabled() const { return window_ && IsWindowEnabled(window_); }

void WindowSurface::setEnabled(bool enabled) {
  if (window_) EnableWindow(window_, enabled);
}

// The region holds the opaque runs of every row; pixels beyond the mask
// picture are opaque. It depends only on the mask picture, its key colour
// and the client size, so it is worked out again only when one of them
// changed, and handed to the window only when the runs differ.
void WindowSurface::ApplyRegion() {
  if (!window_) return;
  const SIZE size = clientSize();
  Rgb key = 0;
  if (!region_.update(KeyedMask(key), key, size.cx, size.cy)) return;
  const std::vector<Rect>& runs = region_.runs();
  if (runs.empty()) {
    SetWindowRgn(window_, nullptr, TRUE);
    return;
  }
  std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(runs.size());
  header->rcBound = RECT{0, 0, size.cx, size.cy};
  auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (std::size_t i = 0; i < runs.size(); ++i) rects[i] = RECT{runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
  HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
  // The window owns the region from here on.
  if (region && !SetWindowRgn(window_, region, TRUE)) DeleteObject(region);
}

// The window is painted from the buffer at the next WM_PAINT, so what is
// drawn after a refresh (a cell's caption) shows too.
void WindowSurface::refresh() {
  const SIZE size = clientSize();
  invalidate(Rect{0, 0, size.cx, size.cy});
}

WindowHandle WindowSurface::containerHwnd() const {
  return reinterpret_cast<WindowHandle>(window_ ? GetParent(window_) : nullptr);
}

FontRef WindowSurface::ambientFont() const {
  if (ambient_.font) return ambient_.font;
  return std::make_shared<FontObject>();
}

void WindowSurface::propertyChanged(std::string_view name) {
  if (onChange_) onChange_(name);
}

std::unique_ptr<ControlSurface> WindowSurface::createChild() {
  return std::make_unique<InnerSurface>(*this, nullptr);
}

std::unique_ptr<PictureBox> WindowSurface::createPictureBox(int width, int height) {
  return std::make_unique<PictureBox>(MakeCanvas(drawing_, width, height), colors_);
}

std::unique_ptr<Timer> WindowSurface::createTimer() { return std::make_unique<WindowTimer>(); }

// --- Messages -------------------------------------------------------------------

LRESULT CALLBACK WindowSurface::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* surface = WindowObject<WindowSurface>(window, message, lParam);
  if (message == WM_NCDESTROY && surface) surface->window_ = nullptr;
  if (!surface || !surface->window_ || message == WM_NCCREATE) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return surface->Handle(message, wParam, lParam);
}

LRESULT WindowSurface::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      SizeChanged();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && SetPointer()) return TRUE;
      break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
      RelayToTip(message, wParam, lParam);
      MouseButton(message, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
      RelayToTip(message, wParam, lParam);
      MouseMove(wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) {
        clicks_.cancel();
        captured_ = nullptr;
      }
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header && header->hwndFrom == toolTipWindow_ && header->code == TTN_GETDISPINFOW) {
        return ToolTipText(header);
      }
      break;
    }
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_CHAR:
      if (Key(message, wParam, lParam)) return 0;
      break;
    case WM_SYSCHAR:
      // Alt+Enter is the skin's own shortcut; without a menu it would beep.
      if (wParam == VK_RETURN) return 0;
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
      if (sink_) sink_->onGotFocus();
      return 0;
    case WM_KILLFOCUS:
      if (sink_) sink_->onLostFocus();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void WindowSurface::Paint() {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(window_, &ps);
  if (target) Show(target, ps.rcPaint);
  EndPaint(window_, &ps);
}

// The frame is composed and handed to the window a band of rows at a
// time, so that a band is still in the processor's cache when it is read
// again for the window.
void WindowSurface::Show(HDC target, const RECT& dirty) {
  if (layers_.empty()) {
    buffer_->present(target, dirty);
    return;
  }
  const int width = buffer_->width(), height = buffer_->height();
  const RECT area{std::max<LONG>(dirty.left, 0), std::max<LONG>(dirty.top, 0), std::min<LONG>(dirty.right, width),
                  std::min<LONG>(dirty.bottom, height)};
  if (area.left >= area.right || area.top >= area.bottom) return;
  const int bandRows = std::clamp<int>(kBandBytes / static_cast<int>(width * sizeof(std::uint32_t)), 16,
                                       std::max<int>(16, area.bottom - area.top));
  frame_.resize(static_cast<std::size_t>(width) * bandRows);
  for (LONG top = area.top; top < area.bottom; top += bandRows) {
    const RECT band{area.left, top, area.right, std::min<LONG>(top + bandRows, area.bottom)};
    Compose(band);
    PresentRows(target, frame_.data(), width, band);
  }
}

// The buffer, with the inner surfaces over it, into the frame. The
// buffer's pixels are copied only where no part covers them: at a full
// frame that is a few strips rather than the whole window.
void WindowSurface::Compose(const RECT& area) {
  const int width = buffer_->width();
  std::vector<std::pair<int, int>> spans;
  for (int y = area.top; y < area.bottom; ++y) {
    spans.clear();
    for (const InnerSurface* layer : layers_) layer->coveredSpans(y, spans);
    std::sort(spans.begin(), spans.end());
    std::uint32_t* out = frame_.data() + static_cast<std::size_t>(y - area.top) * width;
    const std::uint32_t* own = nullptr;  // the buffer's row, settled only when needed
    int x = area.left;
    auto copyTo = [&](int end) {
      end = std::min<int>(end, area.right);
      if (x >= end) return;
      if (!own) own = buffer_->shownRow(y);
      std::memcpy(out + x, own + x, static_cast<std::size_t>(end - x) * sizeof(std::uint32_t));
    };
    for (const auto& [left, right] : spans) {
      copyTo(left);
      x = std::max(x, right);
    }
    copyTo(area.right);
  }
  const Rect clip{area.left, area.top, area.right, area.bottom};
  for (InnerSurface* layer : layers_) layer->compose(frame_.data(), width, area.top, clip, Point{0, 0});
}

WindowSurface::Target WindowSurface::TargetOf(ControlSurface* surface) const {
  Target target;
  target.surface = surface;
  if (surface == this || surface == nullptr) {
    target.surface = const_cast<WindowSurface*>(this);
    target.sink = sink_;
    return target;
  }
  auto* inner = static_cast<InnerSurface*>(surface);
  target.sink = inner->eventSink();
  target.origin = inner->origin();
  return target;
}

// The topmost inner surface at the point, else the window itself.
WindowSurface::Target WindowSurface::TargetAt(Point client) const {
  for (auto it = layers_.rbegin(); it != layers_.rend(); ++it) {
    if (InnerSurface* hit = (*it)->hit(client)) return TargetOf(hit);
  }
  return TargetOf(nullptr);
}

// While a button is held, the surface pressed keeps the pointer.
WindowSurface::Target WindowSurface::PointerTarget(Point client) const {
  return captured_ ? TargetOf(captured_) : TargetAt(client);
}

const ControlSurface* WindowSurface::surfaceAt(Point screen) const {
  if (!window_ || desktop_.windowFromPoint(screen) != hwnd()) return nullptr;
  POINT p{screen.x, screen.y};
  ScreenToClient(window_, &p);
  return TargetAt(Point{p.x, p.y}).surface;
}

void WindowSurface::forget(const InnerSurface* surface) {
  if (captured_ == surface) captured_ = nullptr;
  if (hovered_ == surface) hovered_ = nullptr;
}

bool WindowSurface::SetPointer() {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(window_, &cursor);
  const Target target = PointerTarget(Point{cursor.x, cursor.y});
  if (target.surface != this) {
    static_cast<InnerSurface*>(target.surface)->showPointer();
  } else {
    shape_.show(mousePointer_);
  }
  return true;
}

void WindowSurface::FocusControl() {
  if (window_ && GetFocus() != window_) SetFocus(window_);
}

void WindowSurface::MouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
  const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  std::int16_t button = ButtonOf(message);
  std::int16_t shift = MouseShift(wParam);
  const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
  const bool dbl = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
  const Target target = PointerTarget(at);
  float x = static_cast<float>(at.x - target.origin.x);
  float y = static_cast<float>(at.y - target.origin.y);
  if (down || dbl) {
    FocusControl();
    SetCapture(window_);
    captured_ = target.surface;
    // A double click replaces the second press: DblClick, then MouseUp.
    const bool doubleClick = clicks_.press(dbl);
    if (!target.sink) return;
    if (doubleClick) {
      target.sink->onDblClick();
    } else {
      target.sink->onMouseDown(button, shift, x, y);
    }
    return;
  }
  const Rect place = target.surface->bounds();
  const bool inside = x >= 0 && y >= 0 && x < place.width() && y < place.height();
  // Before the capture goes: losing it cancels a press.
  const bool click = clicks_.release(inside);
  if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
    captured_ = nullptr;
    if (GetCapture() == window_) ReleaseCapture();
  }
  if (!target.sink) return;
  target.sink->onMouseUp(button, shift, x, y);
  if (click) target.sink->onClick();
}

void WindowSurface::MouseMove(WPARAM wParam, LPARAM lParam) {
  const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const Target target = PointerTarget(at);
  // The tip of the surface left behind goes; the next one is asked for.
  if (hovered_ != target.surface && toolTipWindow_) SendMessageW(toolTipWindow_, TTM_POP, 0, 0);
  hovered_ = target.surface;
  if (!target.sink) return;
  std::int16_t button = HeldButtons(wParam);
  std::int16_t shift = MouseShift(wParam);
  float x = static_cast<float>(at.x - target.origin.x);
  float y = static_cast<float>(at.y - target.origin.y);
  target.sink->onMouseMove(button, shift, x, y);
}

bool WindowSurface::Key(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!sink_) return false;
  if (message == WM_CHAR) {
    auto keyAscii = static_cast<std::int16_t>(wParam);
    sink_->onKeyPress(keyAscii);
    return true;
  }
  auto keyCode = static_cast<std::int16_t>(wParam);
  // A system key message says itself whether Alt is down (context code).
  const bool systemKey = message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
  std::int16_t shift = KeyShift(systemKey && (lParam & (1 << 29)));
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    sink_->onKeyDown(keyCode, shift);
  } else {
    sink_->onKeyUp(keyCode, shift);
  }
  // Alt+F4 and Alt+Enter are the control's; other system keys (Alt+Space,
  // menu mnemonics) still reach the system.
  if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) return wParam == VK_F4 || wParam == VK_RETURN;
  return true;
}

}  // namespace glavo::win32
