// What the skin control needs from its host beyond its own control surface:
// the form it sits on, the screen, the window manager, popup menus and the
// message pump. The host owns all of them; they outlive the skin's use of
// them (its life, or until GlavoSkin::Rebind hands it another).
#pragma once

#include "host/host_form.h"
#include "host/message_pump.h"
#include "host/popup_menu.h"
#include "host/screen.h"
#include "host/window_api.h"

namespace glavo {

struct SkinEnvironment {
  HostForm& form;
  const Screen& screen;
  WindowApi& windows;
  PopupMenuHost& menus;
  MessagePump& pump;
};

}  // namespace glavo
