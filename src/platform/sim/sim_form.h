// A host form of the software host: a top-level window of the simulated
// desktop. Bounds are kept in twips; the window follows them in pixels.
// Refusals raise the errors a form of the host raises.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_screen.h"
#include "platform/sim/sim_surface.h"
#include "runtime/host_form.h"

namespace glavo::sim {

class SimForm final : public HostForm {
 public:
  // A normal, visible, sizable form at `pixels` (screen pixels).
  SimForm(SimDesktop& desktop, const SimScreen& screen, const Rect& pixels,
          std::u16string caption = u"Form1");
  ~SimForm() override;

  // The parts of a form a test can take away, to stand for hosts whose
  // form is not a real form.
  enum class Member { kBounds, kClientSize, kWindowState, kFrame, kCaption, kIcon, kHwnd };

  double bound(FormBound which) override;
  void setBound(FormBound which, double twips) override;
  double scaleWidth() override;
  double scaleHeight() override;
  FormWindowState windowState() override;
  void setWindowState(FormWindowState state) override;
  void setBorderStyle(FormBorderStyle style) override;
  void setShowInTaskbar(bool show) override;
  std::u16string caption() override;
  void setCaption(const std::u16string& text) override;
  PictureRef icon() override;
  void setIcon(const PictureRef& icon) override;
  WindowHandle hwnd() override;
  bool isWindowed() const override { return true; }
  void unload() override;

  // --- Software host only.
  SimSurface& window() { return *window_; }
  // The form's bounds in screen pixels, as the window shows them now.
  Rect pixelBounds() const;
  // Moves a normal form's top-left corner to `screen` pixels, as the
  // system's move loop does.
  void moveTo(Point screen);
  bool loaded() const { return loaded_; }
  int unloadRequests() const { return unloadRequests_; }
  // The form's QueryUnload: return true to cancel the unload.
  void setQueryUnload(std::function<bool()> handler) { queryUnload_ = std::move(handler); }
  // From now on, using `member` raises the host's "no such member".
  void removeMember(Member member) { removed_.push_back(member); }
  FormBorderStyle borderStyle() const { return borderStyle_; }
  bool showInTaskbar() const { return showInTaskbar_; }

 private:
  struct Bounds {
    double left = 0, top = 0, width = 0, height = 0;
  };
  Bounds current() const;
  void require(Member member) const;
  void syncWindow();
  double frameX() const;
  double frameY() const;

  SimDesktop& desktop_;
  const SimScreen& screen_;
  std::unique_ptr<SimSurface> window_;
  Bounds normal_;  // twips, the bounds of the normal state
  std::u16string caption_;
  FormBorderStyle borderStyle_ = FormBorderStyle::kSizable;
  bool showInTaskbar_ = true;
  FormWindowState windowState_ = FormWindowState::kNormal;
  PictureRef icon_;
  bool loaded_ = true;
  int unloadRequests_ = 0;
  std::function<bool()> queryUnload_;
  std::vector<Member> removed_;
};

// The icon new forms show: a small blue application window.
PictureRef DefaultFormIcon();

}  // namespace glavo::sim
