// The drawing routines of the scene's tiles, grouped by what they exercise.
#pragma once

#include "draw/device_context.h"

namespace glavo::scene {

// Pens and shapes.
void DrawOctantLines(DeviceContext& dc, const Rect& area);
void DrawPenWidths(DeviceContext& dc, const Rect& area);
void DrawWideOutlines(DeviceContext& dc, const Rect& area);
void DrawRoundRect0(DeviceContext& dc, const Rect& area);
void DrawRoundRect4(DeviceContext& dc, const Rect& area);
void DrawRoundRect10(DeviceContext& dc, const Rect& area);
void DrawRoundRect30(DeviceContext& dc, const Rect& area);
void DrawEllipses(DeviceContext& dc, const Rect& area);
void DrawCircles(DeviceContext& dc, const Rect& area);
void DrawRectangles(DeviceContext& dc, const Rect& area);

// Pixels and bitmaps.
void DrawPixelCopy(DeviceContext& dc, const Rect& area);
void DrawDibRoundTrip(DeviceContext& dc, const Rect& area);
void DrawDibToDevice(DeviceContext& dc, const Rect& area);
void DrawStretchMirror(DeviceContext& dc, const Rect& area);
void DrawAlphaConstant(DeviceContext& dc, const Rect& area);
void DrawAlphaPerPixel(DeviceContext& dc, const Rect& area);

// Text.
void DrawTextLeft(DeviceContext& dc, const Rect& area);
void DrawTextCenter(DeviceContext& dc, const Rect& area);
void DrawTextRight(DeviceContext& dc, const Rect& area);
void DrawTextAliased(DeviceContext& dc, const Rect& area);
void DrawTextSingleLine(DeviceContext& dc, const Rect& area);
void DrawTextMeasured(DeviceContext& dc, const Rect& area);
void DrawTextRotated(DeviceContext& dc, const Rect& area);
void DrawTextShadowed(DeviceContext& dc, const Rect& area);

// Caption-button glyphs of the symbol face.
void DrawCaptionGlyphsAliased(DeviceContext& dc, const Rect& area);
void DrawCaptionGlyphsSmoothed(DeviceContext& dc, const Rect& area);

// Anti-aliased lines, circles and arcs.
void DrawLineDib(DeviceContext& dc, const Rect& area);
void DrawCircleDib(DeviceContext& dc, const Rect& area);
void DrawArcDib(DeviceContext& dc, const Rect& area);
void DrawLineGp(DeviceContext& dc, const Rect& area);
void DrawCircleGp(DeviceContext& dc, const Rect& area);
void DrawArcGp(DeviceContext& dc, const Rect& area);

}  // namespace glavo::scene
