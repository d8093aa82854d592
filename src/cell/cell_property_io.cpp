// Creation, loading and saving of a cell through the container's property
// bag. Every key is the property's own name; a value equal to its default
// is not stored.
#include "cell/cell_defaults.h"
#include "cell/glavo_cell.h"

namespace glavo {

namespace {

std::int32_t AsLong(OleColor c) { return static_cast<std::int32_t>(c); }
OleColor AsColor(std::int32_t v) { return static_cast<OleColor>(v); }

template <typename Option>
Option ReadOption(const PropertyBag& bag, const char* key, Option fallback) {
  return Option{ReadLong(bag, key, OptionNumber(fallback))};
}

template <typename Option>
void WriteOption(PropertyBag& bag, const char* key, Option value, Option fallback) {
  WriteLong(bag, key, OptionNumber(value), OptionNumber(fallback));
}

bool SameFont(const FontRef& a, const FontRef& b) {
  if (!a || !b) return a == b;
  return *a == *b;
}

}  // namespace

void GlavoCell::InitProperties() {
  surface_->setFont(surface_->ambientFont());
  borderColor1_ = borderColor2_ = 0;
  cellColor1_ = cellColor2_ = cellColor3_ = cellColor4_ = 0;
  borderStyle_ = cell_defaults::kBorderStyle;
  borderSize_ = cell_defaults::kBorderSize;
  cellStyle_ = cell_defaults::kCellStyle;
  splitSize_ = cell_defaults::kSplitSize;
  blendSize_ = cell_defaults::kBlendSize;
  borderRoundW_ = borderRoundH_ = cell_defaults::kBorderRound;
  flipCell_ = CellFlip::kNone;
  caption_.clear();
  captionAlignment_ = cell_defaults::kCaptionAlignment;
  captionColor_ = captionShadowColor_ = 0;
  captionShadow_ = captionRotate_ = false;
  symbolNo_ = cell_defaults::kSymbolNo;
  symbolDraw_ = false;
  icon_ = std::make_shared<Picture>();  // an empty picture, not nothing
  iconSize_ = cell_defaults::kIconSize;
  cellState_ = CellLookState::kNormal;
  cellStateUpdate_ = false;
  normalData_.clear();
  overData_.clear();
  downData_.clear();
  animate_ = doubleClickEnable_ = false;
}

void GlavoCell::ReadProperties(const PropertyBag& bag) {
  ControlSurface& s = *surface_;
  s.setForeColor(AsColor(ReadLong(bag, "ForeColor", AsLong(cell_defaults::kForeColor))));
  s.setEnabled(ReadBool(bag, "Enabled", true));
  s.setFont(ReadFont(bag, "Font", s.ambientFont()));
  s.setFillColor(AsColor(ReadLong(bag, "FillColor", 0)));
  s.setFillStyle(ReadInteger(bag, "FillStyle", cell_defaults::kFillStyle));
  s.setDrawWidth(ReadInteger(bag, "DrawWidth", cell_defaults::kDrawWidth));
  borderColor1_ = AsColor(ReadLong(bag, "BorderColor1", 0));
  borderColor2_ = AsColor(ReadLong(bag, "BorderColor2", 0));
  cellColor1_ = AsColor(ReadLong(bag, "CellColor1", 0));
  cellColor2_ = AsColor(ReadLong(bag, "CellColor2", 0));
  cellColor3_ = AsColor(ReadLong(bag, "CellColor3", 0));
  cellColor4_ = AsColor(ReadLong(bag, "CellColor4", 0));
  borderStyle_ = ReadOption(bag, "BorderStyle", cell_defaults::kBorderStyle);
  borderSize_ = ReadLong(bag, "BorderSize", cell_defaults::kBorderSize);
  cellStyle_ = ReadOption(bag, "CellStyle", cell_defaults::kCellStyle);
  splitSize_ = ReadLong(bag, "SplitSize", cell_defaults::kSplitSize);
  blendSize_ = ReadLong(bag, "BlendSize", cell_defaults::kBlendSize);
  s.setMaskColor(AsColor(ReadLong(bag, "MaskColor", AsLong(cell_defaults::kMaskColor))));
  borderRoundW_ = ReadLong(bag, "BorderRoundW", cell_defaults::kBorderRound);
  borderRoundH_ = ReadLong(bag, "BorderRoundH", cell_defaults::kBorderRound);
  flipCell_ = ReadOption(bag, "FlipCell", CellFlip::kNone);
  s.setMouseIcon(ReadPicture(bag, "MouseIcon", nullptr));
  s.setMousePointer(ReadInteger(bag, "MousePointer", cell_defaults::kMousePointer));
  caption_ = ReadString(bag, "Caption", u"");
  captionAlignment_ = ReadOption(bag, "CaptionAlignment", cell_defaults::kCaptionAlignment);
  captionColor_ = AsColor(ReadLong(bag, "CaptionColor", 0));
  captionShadow_ = ReadBool(bag, "CaptionShadow", false);
  captionShadowColor_ = AsColor(ReadLong(bag, "CaptionShadowColor", 0));
  captionRotate_ = ReadBool(bag, "CaptionRotate", false);
  symbolNo_ = ReadLong(bag, "SymbolNo", cell_defaults::kSymbolNo);
  symbolDraw_ = ReadBool(bag, "SymbolDraw", false);
  icon_ = ReadPicture(bag, "Icon", nullptr);
  iconSize_ = ReadLong(bag, "IconSize", cell_defaults::kIconSize);
  cellState_ = ReadOption(bag, "CellState", CellLookState::kNormal);
  cellStateUpdate_ = ReadBool(bag, "CellStateUpdate", false);
  normalData_ = ReadString(bag, "CellStateNormalData", u"");
  overData_ = ReadString(bag, "CellStateOverData", u"");
  downData_ = ReadString(bag, "CellStateDownData", u"");
  animate_ = ReadBool(bag, "Animate", false);
  doubleClickEnable_ = ReadBool(bag, "DoubleClickEnable", false);
}

void GlavoCell::WriteProperties(PropertyBag& bag) const {
  const ControlSurface& s = *surface_;
  WriteLong(bag, "ForeColor", AsLong(s.foreColor()), AsLong(cell_defaults::kForeColor));
  WriteBool(bag, "Enabled", s.enabled(), true);
  if (SameFont(s.font(), s.ambientFont())) {
    bag.remove("Font");
  } else {
    WriteFont(bag, "Font", s.font());
  }
  WriteLong(bag, "FillColor", AsLong(s.fillColor()), 0);
  WriteInteger(bag, "FillStyle", s.fillStyle(), cell_defaults::kFillStyle);
  WriteInteger(bag, "DrawWidth", s.drawWidth(), cell_defaults::kDrawWidth);
  WriteLong(bag, "BorderColor1", AsLong(borderColor1_), 0);
  WriteLong(bag, "BorderColor2", AsLong(borderColor2_), 0);
  WriteLong(bag, "CellColor1", AsLong(cellColor1_), 0);
  WriteLong(bag, "CellColor2", AsLong(cellColor2_), 0);
  WriteLong(bag, "CellColor3", AsLong(cellColor3_), 0);
  WriteLong(bag, "CellColor4", AsLong(cellColor4_), 0);
  WriteOption(bag, "BorderStyle", borderStyle_, cell_defaults::kBorderStyle);
  WriteLong(bag, "BorderSize", borderSize_, cell_defaults::kBorderSize);
  WriteOption(bag, "CellStyle", cellStyle_, cell_defaults::kCellStyle);
  WriteLong(bag, "SplitSize", splitSize_, cell_defaults::kSplitSize);
  WriteLong(bag, "BlendSize", blendSize_, cell_defaults::kBlendSize);
  WriteLong(bag, "MaskColor", AsLong(s.maskColor()), AsLong(cell_defaults::kMaskColor));
  WriteLong(bag, "BorderRoundW", borderRoundW_, cell_defaults::kBorderRound);
  WriteLong(bag, "BorderRoundH", borderRoundH_, cell_defaults::kBorderRound);
  WriteOption(bag, "FlipCell", flipCell_, CellFlip::kNone);
  WritePicture(bag, "MouseIcon", s.mouseIcon());
  WriteInteger(bag, "MousePointer", s.mousePointer(), cell_defaults::kMousePointer);
  WriteString(bag, "Caption", caption_, u"");
  WriteOption(bag, "CaptionAlignment", captionAlignment_, cell_defaults::kCaptionAlignment);
  WriteLong(bag, "CaptionColor", AsLong(captionColor_), 0);
  WriteBool(bag, "CaptionShadow", captionShadow_, false);
  WriteLong(bag, "CaptionShadowColor", AsLong(captionShadowColor_), 0);
  WriteBool(bag, "CaptionRotate", captionRotate_, false);
  WriteLong(bag, "SymbolNo", symbolNo_, cell_defaults::kSymbolNo);
  WriteBool(bag, "SymbolDraw", symbolDraw_, false);
  WritePicture(bag, "Icon", icon_ && !icon_->empty() ? icon_ : nullptr);
  WriteLong(bag, "IconSize", iconSize_, cell_defaults::kIconSize);
  WriteOption(bag, "CellState", cellState_, CellLookState::kNormal);
  WriteBool(bag, "CellStateUpdate", cellStateUpdate_, false);
  WriteString(bag, "CellStateNormalData", normalData_, u"");
  WriteString(bag, "CellStateOverData", overData_, u"");
  WriteString(bag, "CellStateDownData", downData_, u"");
  WriteBool(bag, "Animate", animate_, false);
  WriteBool(bag, "DoubleClickEnable", doubleClickEnable_, false);
}

}  // namespace glavo
