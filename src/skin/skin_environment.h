// What the skin control needs from its host beyond its own control surface:
// the form it sits on, the screen, the window manager, popup menus and the
// message pump. The host owns all of them; they outlive the skin's use of
// them (its life, or until GlavoSkin::Rebind hands it another).
#pragma once

#include "runtime/host_form.h"
#include "runtime/message_pump.h"
#include "runtime/popup_menu.h"
#include "runtime/screen.h"
#include "runtime/window_api.h"

namespace glavo {

struct SkinEnvironment {
  HostForm& form;
  const Screen& screen;
  WindowApi& windows;
  PopupMenuHost& menus;
  MessagePump& pump;
};

}  // namespace glavo
