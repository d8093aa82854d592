// The scene's tile table as text: one line per primitive with its index,
// match kind, drawing area and name. Both scene programs print it, so a
// comparison can check that its two renderings come from the same scene.
#pragma once

#include <string>

namespace glavo::scene {

std::string TileTable();

}  // namespace glavo::scene
