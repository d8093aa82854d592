// A host form of the software host: a top-level window of the simulated
// desktop whose members are reached by name, like a late-bound form object.
// Bounds are kept in twips; the window follows them in pixels.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_screen.h"
#include "platform/sim/sim_surface.h"
#include "runtime/host_form.h"

namespace glavo::soft {

class SimForm final : public HostForm {
 public:
  // A normal, visible, sizable form at `pixels` (screen pixels).
  SimForm(SimDesktop& desktop, const SimScreen& screen, const Rect& pixels,
          std::u16string caption = u"Form1");
  ~SimForm() override;

  HostValue get(std::string_view member) override;
  void set(std::string_view member, const HostValue& value) override;
  bool isWindowed() const override { return true; }
  void unload() override;

  // --- Software host only.
  SimSurface& window() { return *window_; }
  WindowHandle hwnd() const { return window_->hwnd(); }
  // The form's bounds in screen pixels, as the window shows them now.
  Rect pixelBounds() const;
  // Moves a normal form's top-left corner to `screen` pixels, as the
  // system's move loop does.
  void moveTo(Point screen);
  std::int32_t windowState() const { return windowState_; }
  bool loaded() const { return loaded_; }
  int unloadRequests() const { return unloadRequests_; }
  // The form's QueryUnload: return true to cancel the unload.
  void setQueryUnload(std::function<bool()> handler) { queryUnload_ = std::move(handler); }
  // A member the form lacks (to test hosts whose form is not a real form).
  void removeMember(std::string member) { removed_.push_back(std::move(member)); }
  std::int32_t borderStyle() const { return borderStyle_; }
  bool showInTaskbar() const { return showInTaskbar_; }

 private:
  struct Bounds {
    double left = 0, top = 0, width = 0, height = 0;
  };
  Bounds current() const;
  void setBound(double Bounds::*field, const HostValue& value);
  void setWindowState(std::int32_t state);
  void syncWindow();
  double frameX() const;
  double frameY() const;

  SimDesktop& desktop_;
  const SimScreen& screen_;
  std::unique_ptr<SimSurface> window_;
  Bounds normal_;  // twips, the bounds of the normal state
  std::u16string caption_;
  std::int32_t borderStyle_ = 2;
  bool showInTaskbar_ = true;
  std::int32_t windowState_ = 0;
  PictureRef icon_;
  bool loaded_ = true;
  int unloadRequests_ = 0;
  std::function<bool()> queryUnload_;
  std::vector<std::string> removed_;
};

// The icon new forms show: a small blue application window.
PictureRef DefaultFormIcon();

}  // namespace glavo::soft
