// The skin as one picture: its own surface with the visible parts on top,
// each part's transparent corners showing what lies beneath. What a
// designer gets when it asks the control to draw itself.
#pragma once

#include <windows.h>

#include "skin/glavo_skin.h"

namespace glavo::server {

// Draws the skin stretched into `bounds` of `target`.
void DrawSkinSnapshot(GlavoSkin& skin, HDC target, const RECT& bounds);

}  // namespace glavo::server
