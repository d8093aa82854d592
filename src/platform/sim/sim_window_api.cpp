#include "platform/sim/sim_window_api.h"

#include <cctype>

namespace glavo::sim {
namespace {

// WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN: what a new form has.
constexpr std::int32_t kNewFormStyle = 0x16CF0000;
constexpr int kTaskbarHeight = 40;

}  // namespace

SimWindowApi::SimWindowApi(SimDesktop& desktop) : desktop_(desktop) {
  const Size screen = desktop_.screenSize();
  taskbar_ = Rect{0, screen.cy - kTaskbarHeight, screen.cx, screen.cy};
}

std::int32_t SimWindowApi::getWindowLong(WindowHandle window, int index) {
  if (index != kGwlStyle) return 0;
  auto it = styles_.find(window);
  if (it != styles_.end()) return it->second;
  return desktop_.fromHandle(window) != nullptr ? kNewFormStyle : 0;
}

std::int32_t SimWindowApi::setWindowLong(WindowHandle window, int index, std::int32_t value) {
  const std::int32_t previous = getWindowLong(window, index);
  if (index == kGwlStyle && desktop_.fromHandle(window) != nullptr) styles_[window] = value;
  return previous;
}

void SimWindowApi::setWindowText(WindowHandle window, std::u16string_view text) {
  if (desktop_.fromHandle(window) != nullptr) texts_[window] = std::u16string(text);
}

std::u16string SimWindowApi::windowText(WindowHandle window) const {
  auto it = texts_.find(window);
  return it == texts_.end() ? std::u16string() : it->second;
}

WindowHandle SimWindowApi::findWindow(std::string_view className, std::string_view windowName) {
  // Class names compare without regard to case, as the window manager does.
  std::string lower(className);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "shell_traywnd" && windowName.empty() && taskbar_) return kTaskbarHandle;
  return 0;
}

bool SimWindowApi::getWindowRect(WindowHandle window, Rect& rect) {
  if (window == kDesktopHandle) {
    const Size s = desktop_.screenSize();
    rect = Rect{0, 0, s.cx, s.cy};
    return true;
  }
  if (window == kTaskbarHandle && taskbar_) {
    rect = *taskbar_;
    return true;
  }
  if (SimSurface* s = desktop_.fromHandle(window)) {
    const Point origin = s->screenOrigin();
    const Rect b = s->bounds();
    rect = Rect{origin.x, origin.y, origin.x + b.width(), origin.y + b.height()};
    return true;
  }
  return false;
}

void SimWindowApi::releaseCapture() { desktop_.setCapture(nullptr); }

std::intptr_t SimWindowApi::sendMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
  sent_.push_back({window, message, wParam, lParam});
  if (message == kWmNcLButtonDown && wParam == kHtCaption) {
    auto it = forms_.find(window);
    if (it != forms_.end()) runMoveLoop(*it->second);
  }
  return 0;
}

// The system's move loop owns the mouse: the pointer's moves go to no
// control, the form follows them, and the loop swallows the release, so no
// control sees a button-up or a click.
void SimWindowApi::runMoveLoop(SimForm& form) {
  ++moveLoops_;
  const std::vector<Point> path = std::move(movePath_);
  movePath_.clear();
  const Point start = desktop_.cursorPos();
  const Rect origin = form.pixelBounds();
  SimSurface* loopOwner = &form.window();  // has no event sink: events vanish
  desktop_.setCapture(loopOwner);
  for (const Point& p : path) {
    desktop_.moveCursor(p);
    if (form.windowState() == FormWindowState::kNormal) {
      form.moveTo(Point{origin.left + p.x - start.x, origin.top + p.y - start.y});
    }
  }
  const Point end = desktop_.cursorPos();
  desktop_.moveCursor(Point{-32000, -32000});
  desktop_.releaseButton(mouse::kLeft);
  desktop_.releaseButton(mouse::kRight);
  desktop_.setCapture(loopOwner);
  desktop_.moveCursor(end);
  desktop_.setCapture(nullptr);
}

}  // namespace glavo::sim
