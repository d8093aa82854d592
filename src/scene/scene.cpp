#include "scene/scene.h"

#include <array>
#include <string>

#include "scene/palette.h"
#include "scene/primitives.h"

namespace glavo::scene {
namespace {

constexpr std::array<Primitive, 32> kPrimitives = {{
    {"Lines in eight octants", Match::kGeometry, DrawOctantLines},
    {"Pen widths 1, 2, 3, 5", Match::kGeometry, DrawPenWidths},
    {"Wide-pen outlines", Match::kGeometry, DrawWideOutlines},
    {"Rectangle and FillRect", Match::kGeometry, DrawRectangles},
    {"Ellipses", Match::kGeometry, DrawEllipses},
    {"Circles", Match::kGeometry, DrawCircles},
    {"GetPixel and SetPixelV", Match::kGeometry, DrawPixelCopy},
    {"RoundRect, corner 0", Match::kGeometry, DrawRoundRect0},
    {"RoundRect, corner 4", Match::kGeometry, DrawRoundRect4},
    {"RoundRect, corner 10", Match::kGeometry, DrawRoundRect10},
    {"RoundRect, corner 30", Match::kGeometry, DrawRoundRect30},
    {"DIB round trip", Match::kGeometry, DrawDibRoundTrip},
    {"SetDIBitsToDevice", Match::kGeometry, DrawDibToDevice},
    {"StretchBlt, mirror and scale", Match::kGeometry, DrawStretchMirror},
    {"AlphaBlend, constant", Match::kColor, DrawAlphaConstant},
    {"AlphaBlend, per pixel", Match::kColor, DrawAlphaPerPixel},
    {"DrawTextW, left", Match::kParagraph, DrawTextLeft, dt::kLeft},
    {"DrawTextW, centre", Match::kParagraph, DrawTextCenter, dt::kCenter},
    {"DrawTextW, right", Match::kParagraph, DrawTextRight, dt::kRight},
    {"DrawTextW, not smoothed", Match::kParagraph, DrawTextAliased, dt::kLeft},
    {"Single-line captions", Match::kInk, DrawTextSingleLine},
    {"Measured text", Match::kInk, DrawTextMeasured},
    {"Rotated captions", Match::kInk, DrawTextRotated},
    {"Shadow and opaque text", Match::kInk, DrawTextShadowed},
    {"LineDIB", Match::kGeometry, DrawLineDib},
    {"CircleDIB", Match::kGeometry, DrawCircleDib},
    {"ArcDIB", Match::kGeometry, DrawArcDib},
    {"LineGP", Match::kGeometry, DrawLineGp},
    {"CircleGP", Match::kGeometry, DrawCircleGp},
    {"ArcGP", Match::kGeometry, DrawArcGp},
    {"Caption glyphs, aliased", Match::kExact, DrawCaptionGlyphsAliased},
    {"Caption glyphs, smoothed", Match::kColor, DrawCaptionGlyphsSmoothed},
}};

constexpr int kRows = (static_cast<int>(kPrimitives.size()) + kColumns - 1) / kColumns;

LogFont Face(int height, int weight) {
  LogFont lf;
  lf.height = height;
  lf.weight = weight;
  lf.quality = 4;
  lf.faceName = "Arial";
  return lf;
}

void DrawLabel(DeviceContext& dc, Rect box, std::u16string_view text, unsigned format,
               const LogFont& lf, Rgb color) {
  const FontHandle font = dc.createFont(lf);
  const FontHandle previous = dc.selectFont(font);
  dc.setBkMode(kBkTransparent);
  dc.setTextColor(color);
  dc.drawText(text, box, format | dt::kSingleLine | dt::kVCenter | dt::kNoPrefix);
  dc.selectFont(previous);
  dc.deleteFont(font);
}

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

void DrawHeader(DeviceContext& dc, const Size& canvas) {
  dc.fillRect(Rect{0, 0, canvas.cx, kHeaderHeight}, palette::kHeader);
  dc.fillRect(Rect{0, kHeaderHeight - 3, canvas.cx, kHeaderHeight}, palette::kBlue);
  DrawLabel(dc, Rect{kGap, 4, canvas.cx / 2, kHeaderHeight - 3}, u"Glavowrap", dt::kLeft,
            Face(-24, 700), palette::kHeaderText);
  DrawLabel(dc, Rect{150, 4, canvas.cx - kGap, kHeaderHeight - 3},
            u"Drawing primitives \u2014 one scene, drawn through the device-context interface",
            dt::kLeft, Face(-14, 400), palette::kHeaderSubtext);
}

void DrawCard(DeviceContext& dc, const Rect& area, std::string_view name) {
  dc.setPen(palette::kCardEdge, 1);
  dc.setBrush(palette::kCard, true);
  dc.rectangle(area.left - 1, area.top - 1, area.right + 1, area.bottom + kLabelHeight + 1);
  const Rect band{area.left, area.bottom, area.right, area.bottom + kLabelHeight};
  dc.fillRect(band, palette::kLabelBand);
  dc.fillRect(Rect{band.left, band.top, band.right, band.top + 1}, palette::kCardEdge);
  DrawLabel(dc, Rect{band.left + 8, band.top + 1, band.right - 4, band.bottom}, Widen(name),
            dt::kLeft, Face(-12, 700), palette::kLabelText);
}

}  // namespace

std::span<const Primitive> Primitives() { return kPrimitives; }

Size CanvasSize() {
  return Size{kColumns * kTileWidth + (kColumns + 1) * kGap,
              kHeaderHeight + kRows * (kTileHeight + kLabelHeight) + (kRows + 1) * kGap};
}

Rect TileArea(int index) {
  const int column = index % kColumns;
  const int row = index / kColumns;
  const int left = kGap + column * (kTileWidth + kGap);
  const int top = kHeaderHeight + kGap + row * (kTileHeight + kLabelHeight + kGap);
  return Rect{left, top, left + kTileWidth, top + kTileHeight};
}

void DrawScene(DeviceContext& dc) {
  const Size canvas = CanvasSize();
  dc.fillRect(Rect{0, 0, canvas.cx, canvas.cy}, palette::kCanvas);
  DrawHeader(dc, canvas);
  for (int i = 0; i < static_cast<int>(kPrimitives.size()); ++i) {
    DrawCard(dc, TileArea(i), kPrimitives[i].name);
  }
  for (int i = 0; i < static_cast<int>(kPrimitives.size()); ++i) {
    kPrimitives[i].draw(dc, TileArea(i));
  }
}

}  // namespace glavo::scene
