// The hand-shaped pointer the caption buttons show.
#pragma once

#include "draw/picture.h"

namespace glavo {

// A 32 x 32 icon picture of a pointing hand, hot spot at the fingertip.
PictureRef HandCursor();

}  // namespace glavo
