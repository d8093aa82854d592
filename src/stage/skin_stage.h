// A skinned form on the simulated desktop: the desktop, screen, window
// manager, menus and message pump of the software host, one host form, and
// a GlavoSkin placed on it. Input is scripted through desktop().
#pragma once

#include <memory>
#include <string>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_menu.h"
#include "platform/sim/sim_message_pump.h"
#include "platform/sim/sim_screen.h"
#include "platform/sim/sim_window_api.h"
#include "raster/bitmap.h"
#include "skin/glavo_skin.h"

namespace glavo::stage {

class SkinStage {
 public:
  // A screen of `screen` pixels (15 twips per pixel) with a 40-pixel
  // taskbar at the bottom, and a form at `form` (screen pixels). The skin is
  // created but not yet initialised: call place() or load().
  explicit SkinStage(Size screen = {1280, 800}, Rect form = {240, 150, 1040, 750},
                     std::u16string caption = u"Form1");
  ~SkinStage();

  // First placement: InitProperties, then the control is shown.
  void place();
  // A saved form loaded again: ReadProperties, then the control is shown.
  void load(const PropertyBag& bag);
  // The control moved to a new surface on the same form and shown, as a
  // container that gives it a new window does.
  void rebind();

  sim::SimDesktop& desktop() { return *desktop_; }
  sim::SimScreen& screen() { return *screen_; }
  sim::SimWindowApi& windows() { return *windows_; }
  sim::SimMenu& menus() { return *menus_; }
  sim::SimMessagePump& pump() { return *pump_; }
  sim::SimForm& form() { return *form_; }
  GlavoSkin& skin() { return *skin_; }
  sim::SimSurface& skinSurface() { return *skinSurface_; }

  // Lets `ms` milliseconds of timers run.
  void tick(int ms) { desktop_->clock().advance(ms); }
  // A screen point inside `part`: its centre, moved by (dx, dy).
  Point partPoint(SkinPartsGwr part, int dx = 0, int dy = 0) const;
  // The form as the screen shows it now.
  raster::Bitmap render() const;

 private:
  std::unique_ptr<sim::SimDesktop> desktop_;
  std::unique_ptr<sim::SimScreen> screen_;
  std::unique_ptr<sim::SimWindowApi> windows_;
  std::unique_ptr<sim::SimMenu> menus_;
  std::unique_ptr<sim::SimMessagePump> pump_;
  SkinEnvironment environment();

  std::unique_ptr<sim::SimForm> form_;
  sim::SimSurface* skinSurface_ = nullptr;
  std::unique_ptr<GlavoSkin> skin_;
};

}  // namespace glavo::stage
