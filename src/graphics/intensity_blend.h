// How an anti-aliased primitive mixes its colour into one pixel.
#pragma once

#include "draw/types.h"

namespace glavo {

// Intensities above this write the drawing colour as it is.
inline constexpr int kSolidIntensityThreshold = 252;

// One channel of a pixel blended at `intensity` (0..255): the drawing
// channel weighted by the intensity plus the current one by its complement,
// divided by 256 and truncated. Dividing by 256 rather than 255 means even
// intensity 0 darkens a channel slightly (255 becomes 254); the looks of
// every outline depend on that, so keep it.
constexpr int BlendChannel(int drawing, int current, int intensity) {
  return (drawing * intensity + current * (255 - intensity)) / 256;
}

// The drawing colour in components, as the blend needs it.
struct DrawingColor {
  Rgb rgb = 0;  // the colour as a plain RGB value
  int r = 0;
  int g = 0;
  int b = 0;
};

// The new colour of a pixel of colour `current` hit at `intensity`.
constexpr Rgb BlendIntensity(const DrawingColor& color, Rgb current, int intensity) {
  if (intensity > kSolidIntensityThreshold) return color.rgb;
  return MakeRgb(BlendChannel(color.r, RedOf(current), intensity),
                 BlendChannel(color.g, GreenOf(current), intensity),
                 BlendChannel(color.b, BlueOf(current), intensity));
}

}  // namespace glavo
