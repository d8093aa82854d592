// The colours of the demonstration scene.
#pragma once

#include "draw/types.h"

namespace glavo::scene::palette {

inline constexpr Rgb kCanvas = MakeRgb(232, 236, 242);
inline constexpr Rgb kHeader = MakeRgb(34, 46, 66);
inline constexpr Rgb kHeaderText = MakeRgb(240, 244, 250);
inline constexpr Rgb kHeaderSubtext = MakeRgb(150, 170, 200);
inline constexpr Rgb kCard = MakeRgb(255, 255, 255);
inline constexpr Rgb kCardEdge = MakeRgb(200, 207, 218);
inline constexpr Rgb kLabelBand = MakeRgb(246, 248, 251);
inline constexpr Rgb kLabelText = MakeRgb(60, 70, 88);
inline constexpr Rgb kInk = MakeRgb(30, 38, 52);

inline constexpr Rgb kBlue = MakeRgb(41, 98, 255);
inline constexpr Rgb kNavy = MakeRgb(28, 58, 120);
inline constexpr Rgb kTeal = MakeRgb(0, 150, 136);
inline constexpr Rgb kGreen = MakeRgb(67, 160, 71);
inline constexpr Rgb kAmber = MakeRgb(255, 179, 0);
inline constexpr Rgb kOrange = MakeRgb(244, 114, 36);
inline constexpr Rgb kRed = MakeRgb(229, 57, 53);
inline constexpr Rgb kPurple = MakeRgb(126, 87, 194);
inline constexpr Rgb kSky = MakeRgb(179, 215, 255);
inline constexpr Rgb kMint = MakeRgb(200, 236, 226);
inline constexpr Rgb kPeach = MakeRgb(255, 224, 200);
inline constexpr Rgb kSlate = MakeRgb(96, 110, 132);

}  // namespace glavo::scene::palette
