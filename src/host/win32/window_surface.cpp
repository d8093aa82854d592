#include "host/win32/window_surface.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "host/opaque_runs.h"
#include "host/picture_box.h"
#include "host/win32/window_class.h"
#include "host/win32/window_icon.h"
#include "host/win32/window_timer.h"

namespace glavo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"GlavoControlWindow";

std::int16_t ShiftState() {
  std::int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= shift::kShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= shift::kCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= shift::kAlt;
  return shift;
}

std::int16_t HeldButtons(WPARAM wParam) {
  std::int16_t buttons = 0;
  if (wParam & MK_LBUTTON) buttons |= mouse::kLeft;
  if (wParam & MK_RBUTTON) buttons |= mouse::kRight;
  if (wParam & MK_MBUTTON) buttons |= mouse::kMiddle;
  return buttons;
}

std::int16_t ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return mouse::kLeft;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return mouse::kRight;
    default: return mouse::kMiddle;
  }
}

// The standard pointer shapes by MousePointer value; null: keep the arrow.
LPCWSTR StandardCursor(std::int16_t pointer) {
  switch (pointer) {
    case 2: return IDC_CROSS;
    case 3: return IDC_IBEAM;
    case 5: case pointer::kSizeAll: return IDC_SIZEALL;
    case pointer::kSizeNESW: return IDC_SIZENESW;
    case pointer::kSizeNS: return IDC_SIZENS;
    case pointer::kSizeNWSE: return IDC_SIZENWSE;
    case pointer::kSizeWE: return IDC_SIZEWE;
    case 10: return IDC_UPARROW;
    case 11: return IDC_WAIT;
    case 12: return IDC_NO;
    case 13: return IDC_APPSTARTING;
    case 14: return IDC_HELP;
    default: return IDC_ARROW;
  }
}

}  // namespace

WindowSurface::WindowSurface(HWND parentWindow, const ColorTable& colors, const Desktop& desktop,
                             WindowSurface* parent, Ambient ambient, Drawing drawing)
    : colors_(colors), desktop_(desktop), parent_(parent), ambient_(std::move(ambient)), drawing_(drawing),
      buffer_(MakeCanvas(drawing, 1, 1)) {
  if (EnsureWindowClass(kClassName, &WindowSurface::Proc, CS_DBLCLKS)) {
    window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                              0, 0, 0, parentWindow, nullptr, WindowModule(), this);
  }
  // A control's later children lie above its earlier ones, as on a form
  // designed in that order; USER would put each new one at the bottom.
  if (window_ && parent_) {
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  setForeColor(foreColor_);
}

WindowSurface::~WindowSurface() {
  if (toolTipWindow_) DestroyWindow(toolTipWindow_);
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (customCursor_) DestroyCursor(customCursor_);
}

WindowSurface* WindowSurface::FromWindow(HWND window) {
  if (!window) return nullptr;
  wchar_t name[64] = {};
  if (!GetClassNameW(window, name, 64) || lstrcmpW(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<WindowSurface*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

Rgb WindowSurface::Translate(OleColor color) const {
  Rgb rgb = color;
  if (!colors_.translate(color, rgb)) rgb = color & 0xFFFFFFu;
  return rgb;
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
  NoteChildChange();
  // WM_SIZE is not sent for a size that did not change; the check is cheap.
  SizeChanged();
}

void WindowSurface::SizeChanged() {
  const SIZE now = clientSize();
  if (now.cx == size_.cx && now.cy == size_.cy) return;
  size_ = now;
  buffer_->resize(now.cx, now.cy);
  dc().setTextColor(Translate(foreColor_));
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
  NoteChildChange();
  if (visible && sink_) sink_->onShow();
}

void WindowSurface::bringToFront() {
  // Already above all its siblings: nothing to reorder or repaint.
  if (!window_ || GetWindow(window_, GW_HWNDPREV) == nullptr) return;
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  NoteChildChange();
}

void WindowSurface::holdRedraw() {
  if (!window_ || redrawHolds_++ > 0 || !visible()) return;
  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  redrawOff_ = true;
}

// Everything under the window is painted once, from the buffers.
void WindowSurface::releaseRedraw() {
  if (!window_ || redrawHolds_ == 0 || --redrawHolds_ > 0 || !redrawOff_) return;
  redrawOff_ = false;
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  // What was invalidated meanwhile was dropped, the window being hidden.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | (childrenChanged_ ? RDW_ALLCHILDREN : 0));
  childrenChanged_ = false;
}

// A child's window changed while its root holds the redraw.
void WindowSurface::NoteChildChange() {
  WindowSurface* root = this;
  while (root->parent_) root = root->parent_;
  if (root != this && root->redrawOff_) root->childrenChanged_ = true;
}

void WindowSurface::setToolTipText(const std::u16string& text) {
  toolTip_ = text;
  if (!window_) return;
  if (!toolTipWindow_ && !text.empty()) {
    // Loading the common controls registers the tool tip class.
    LoadLibraryW(L"comctl32.dll");
    toolTipWindow_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                     WindowModule(), nullptr);
    if (!toolTipWindow_) return;
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window_;
    info.uId = reinterpret_cast<UINT_PTR>(window_);
    info.lpszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(toolTip_.c_str()));
    SendMessageW(toolTipWindow_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    return;
  }
  if (!toolTipWindow_) return;
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = window_;
  info.uId = reinterpret_cast<UINT_PTR>(window_);
  info.lpszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(toolTip_.c_str()));
  SendMessageW(toolTipWindow_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(toolTipWindow_, TTM_ACTIVATE, !text.empty(), 0);
}

double WindowSurface::pixelsPerPoint() const {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return (dpi > 0 ? dpi : 96) / 72.0;
}

void WindowSurface::setForeColor(OleColor color) {
  foreColor_ = color;
  dc().setTextColor(Translate(color));
}

void WindowSurface::setBackColor(OleColor color) {
  backColor_ = color;
  dc().fillRect(Rect{0, 0, buffer_->width(), buffer_->height()}, Translate(color));
  refresh();
}

bool WindowSurface::enabled() const { return window_ && IsWindowEnabled(window_); }

void WindowSurface::setEnabled(bool enabled) {
  if (window_) EnableWindow(window_, enabled);
}

void WindowSurface::setMouseIcon(PictureRef icon) {
  mouseIcon_ = std::move(icon);
  if (customCursor_) DestroyCursor(customCursor_);
  customCursor_ = nullptr;
  if (mouseIcon_ && !mouseIcon_->empty()) {
    const POINT hot = PictureHotSpot(*mouseIcon_);
    customCursor_ = CursorFromPicture(*mouseIcon_, hot.x, hot.y);
  }
}

void WindowSurface::setMaskColor(OleColor color) {
  maskColor_ = color;
  ApplyRegion();
}

void WindowSurface::setMaskPicture(PictureRef mask) {
  mask_ = std::move(mask);
  ApplyRegion();
}

bool WindowSurface::transparentAt(int x, int y) const {
  if (!mask_ || x < 0 || y < 0 || x >= mask_->width() || y >= mask_->height()) return false;
  Rgb key = maskColor_;
  if (!colors_.translate(maskColor_, key)) return false;
  return mask_->rgbAt(x, y) == key;
}

// The region holds the opaque runs of every row; pixels beyond the mask
// picture are opaque. It depends only on the mask picture, its key colour
// and the client size, so it is worked out again only when one of them
// changed, and handed to the window only when the runs differ.
void WindowSurface::ApplyRegion() {
  if (!window_) return;
  const SIZE size = clientSize();
  Rgb key = maskColor_;
  const bool keyed = mask_ && colors_.translate(maskColor_, key);
  RegionSource source{keyed ? mask_ : nullptr, keyed ? key : 0, size.cx, size.cy};
  if (source == regionSource_) return;
  std::vector<RECT> rects;
  for (const Rect& r : OpaqueRuns(source.mask.get(), source.key, source.width, source.height)) {
    rects.push_back(RECT{r.left, r.top, r.right, r.bottom});
  }
  regionSource_ = std::move(source);
  const bool same = rects.size() == regionRects_.size() &&
                    std::equal(rects.begin(), rects.end(), regionRects_.begin(),
                               [](const RECT& a, const RECT& b) { return EqualRect(&a, &b); });
  if (same) return;
  regionRects_ = std::move(rects);
  NoteChildChange();
  if (regionRects_.empty()) {
    SetWindowRgn(window_, nullptr, TRUE);
    return;
  }
  std::vector<char> data(sizeof(RGNDATAHEADER) + regionRects_.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(regionRects_.size());
  header->rcBound = RECT{0, 0, size.cx, size.cy};
  std::copy(regionRects_.begin(), regionRects_.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
  HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                reinterpret_cast<RGNDATA*>(data.data()));
  // The window owns the region from here on.
  if (region && !SetWindowRgn(window_, region, TRUE)) DeleteObject(region);
}

void WindowSurface::paintPicture(DeviceContext& source, int dx, int dy, int dw, int dh, int sx,
                                 int sy, int sw, int sh, std::uint32_t rop) {
  dc().stretchBlt(dx, dy, dw, dh, source, sx, sy, sw, sh, rop);
}

// The window is painted from the buffer at the next WM_PAINT, so what is
// drawn after a refresh (a cell's caption) shows too.
void WindowSurface::refresh() {
  if (!window_) return;
  InvalidateRect(window_, nullptr, FALSE);
  NoteChildChange();
}

WindowHandle WindowSurface::containerHwnd() const {
  return reinterpret_cast<WindowHandle>(window_ ? GetParent(window_) : nullptr);
}

FontRef WindowSurface::ambientFont() const {
  if (parent_ && parent_->font()) return parent_->font();
  if (ambient_.font) return ambient_.font;
  return std::make_shared<FontObject>();
}

void WindowSurface::propertyChanged(std::string_view name) {
  if (onChange_) onChange_(name);
}

std::unique_ptr<ControlSurface> WindowSurface::createChild() {
  return std::make_unique<WindowSurface>(window_, colors_, desktop_, this, ambient_, drawing_);
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
      MouseButton(message, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) pressed_ = false;
      return 0;
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
  if (target) buffer_->present(target, ps.rcPaint);
  EndPaint(window_, &ps);
}

// Every pointer value is answered here: a part's default arrow must not give
// way to the shape its parent shows.
bool WindowSurface::SetPointer() {
  if (mousePointer_ == pointer::kCustom && customCursor_) {
    SetCursor(customCursor_);
    return true;
  }
  SetCursor(LoadCursorW(nullptr, StandardCursor(mousePointer_)));
  return true;
}

void WindowSurface::FocusControl() {
  WindowSurface* root = this;
  while (root->parent_) root = root->parent_;
  if (root->window_ && GetFocus() != root->window_) SetFocus(root->window_);
}

void WindowSurface::MouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
  std::int16_t button = ButtonOf(message);
  std::int16_t shift = ShiftState();
  float x = static_cast<float>(GET_X_LPARAM(lParam));
  float y = static_cast<float>(GET_Y_LPARAM(lParam));
  const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
  const bool dbl = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
  if (down || dbl) {
    FocusControl();
    SetCapture(window_);
    pressed_ = true;
    afterDoubleClick_ = dbl;
    if (!sink_) return;
    // A double click replaces the second press: DblClick, then MouseUp.
    if (dbl) {
      sink_->onDblClick();
    } else {
      sink_->onMouseDown(button, shift, x, y);
    }
    return;
  }
  const bool wasPressed = pressed_;
  const bool afterDouble = afterDoubleClick_;
  pressed_ = false;
  afterDoubleClick_ = false;
  if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == window_) ReleaseCapture();
  if (!sink_) return;
  const SIZE size = clientSize();
  const bool inside = x >= 0 && y >= 0 && x < size.cx && y < size.cy;
  sink_->onMouseUp(button, shift, x, y);
  if (wasPressed && !afterDouble && inside && button != mouse::kMiddle && sink_) sink_->onClick();
}

void WindowSurface::MouseMove(WPARAM wParam, LPARAM lParam) {
  if (!sink_) return;
  std::int16_t button = HeldButtons(wParam);
  std::int16_t shift = ShiftState();
  float x = static_cast<float>(GET_X_LPARAM(lParam));
  float y = static_cast<float>(GET_Y_LPARAM(lParam));
  sink_->onMouseMove(button, shift, x, y);
}

bool WindowSurface::Key(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!sink_) return false;
  if (message == WM_CHAR) {
    auto keyAscii = static_cast<std::int16_t>(wParam);
    sink_->onKeyPress(keyAscii);
    return true;
  }
  auto keyCode = static_cast<std::int16_t>(wParam);
  std::int16_t shift = ShiftState();
  // A system key message says itself whether Alt is down (context code).
  if ((message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) && (lParam & (1 << 29))) shift |= shift::kAlt;
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
