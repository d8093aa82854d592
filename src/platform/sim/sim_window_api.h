// The window manager of the software host: style bits and Unicode text
// per window, the desktop and taskbar windows, capture, and the system's
// modal move loop, which follows a scripted pointer path.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_form.h"
#include "runtime/window_api.h"

namespace glavo::sim {

struct SentMessage {
  WindowHandle window = 0;
  unsigned message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

class SimWindowApi final : public WindowApi {
 public:
  // The taskbar starts as a 40-pixel bar along the bottom of the screen.
  explicit SimWindowApi(SimDesktop& desktop);

  std::int32_t getWindowLong(WindowHandle window, int index) override;
  std::int32_t setWindowLong(WindowHandle window, int index, std::int32_t value) override;
  void setWindowText(WindowHandle window, std::u16string_view text) override;
  std::u16string windowText(WindowHandle window) const override;
  WindowHandle findWindow(std::string_view className, std::string_view windowName) override;
  WindowHandle desktopWindow() override { return kDesktopHandle; }
  bool getWindowRect(WindowHandle window, Rect& rect) override;
  void releaseCapture() override;
  std::intptr_t sendMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;

  // --- Software host only.
  // Forms whose windows the move loop can move.
  void addForm(SimForm& form) { forms_[form.hwnd()] = &form; }
  // The taskbar's rectangle, or none for a desktop without one.
  void setTaskbar(std::optional<Rect> rect) { taskbar_ = rect; }
  // The path (screen pixels) the pointer takes during the next move loop;
  // the button is released at its last point. Without a script the loop
  // ends at once, as for a click on a caption.
  void scriptMoveLoop(std::vector<Point> path) { movePath_ = std::move(path); }
  int moveLoops() const { return moveLoops_; }
  const std::vector<SentMessage>& sent() const { return sent_; }

  static constexpr WindowHandle kDesktopHandle = 0x10000;
  static constexpr WindowHandle kTaskbarHandle = 0x10004;

 private:
  void runMoveLoop(SimForm& form);

  SimDesktop& desktop_;
  std::map<WindowHandle, SimForm*> forms_;
  std::map<WindowHandle, std::int32_t> styles_;
  std::map<WindowHandle, std::u16string> texts_;
  std::optional<Rect> taskbar_;
  std::vector<Point> movePath_;
  std::vector<SentMessage> sent_;
  int moveLoops_ = 0;
};

}  // namespace glavo::sim
