#include "cell/glavo_cell.h"

#include "cell/cell_defaults.h"

namespace glavo {

GlavoCell::GlavoCell(std::unique_ptr<ControlSurface> surface) : surface_(std::move(surface)) {
  surface_->setEventSink(this);
  // The forwarded properties start at their persisted defaults.
  surface_->setForeColor(cell_defaults::kForeColor);
  surface_->setEnabled(true);
  surface_->setFillColor(0);
  surface_->setFillStyle(cell_defaults::kFillStyle);
  surface_->setDrawWidth(1);
  surface_->setMaskColor(cell_defaults::kMaskColor);
  surface_->setMousePointer(cell_defaults::kMousePointer);
  if (!surface_->font()) surface_->setFont(surface_->ambientFont());
  const int w = static_cast<int>(surface_->scaleWidth());
  const int h = static_cast<int>(surface_->scaleHeight());
  pic_ = surface_->createPictureBox(w > 0 ? w : 1, h > 0 ? h : 1);
  overTimer_ = surface_->createTimer();
  overTimer_->setInterval(1);
  overTimer_->setHandler([this] { OverTimerTick(); });
  overTimer_->setEnabled(true);
}

GlavoCell::~GlavoCell() {
  overTimer_->setHandler(nullptr);
  overTimer_->setEnabled(false);
  surface_->setEventSink(nullptr);
  // The caption font belongs to this cell; the surface may outlive it.
  if (captionFont_ != 0) {
    DeviceContext& dc = surface_->dc();
    if (dc.selectedFont() == captionFont_ && surfaceFont_ != 0) dc.selectFont(surfaceFont_);
    dc.deleteFont(captionFont_);
  }
}

template <typename T, typename V>
void GlavoCell::Let(T& field, V value, const char* name) {
  field = std::move(value);
  if (!PaintIsCurrent()) PaintCell();
  NotifyChanged(name);
}

void GlavoCell::NotifyChanged(const char* name) { surface_->propertyChanged(name); }

// --- Forwarded surface properties.
OleColor GlavoCell::ForeColor() const { return surface_->foreColor(); }
void GlavoCell::SetForeColor(OleColor v) {
  surface_->setForeColor(v);
  NotifyChanged("ForeColor");
}
bool GlavoCell::Enabled() const { return surface_->enabled(); }
void GlavoCell::SetEnabled(bool v) {
  surface_->setEnabled(v);
  NotifyChanged("Enabled");
}
FontRef GlavoCell::Font() const { return surface_->font(); }
void GlavoCell::SetFont(FontRef v) {
  surface_->setFont(std::move(v));
  PaintCell();
  NotifyChanged("Font");
}
OleColor GlavoCell::FillColor() const { return surface_->fillColor(); }
void GlavoCell::SetFillColor(OleColor v) {
  surface_->setFillColor(v);
  NotifyChanged("FillColor");
}
std::int16_t GlavoCell::FillStyle() const { return surface_->fillStyle(); }
void GlavoCell::SetFillStyle(std::int16_t v) {
  surface_->setFillStyle(v);
  NotifyChanged("FillStyle");
}
// Whoever holds the context may draw on the surface.
DeviceContext& GlavoCell::hdc() {
  painted_.reset();
  return surface_->dc();
}
WindowHandle GlavoCell::hwnd() const { return surface_->hwnd(); }
WindowHandle GlavoCell::ContainerHwnd() const { return surface_->containerHwnd(); }
std::int16_t GlavoCell::DrawWidth() const { return surface_->drawWidth(); }
void GlavoCell::SetDrawWidth(std::int16_t v) {
  surface_->setDrawWidth(v);
  NotifyChanged("DrawWidth");
}
OleColor GlavoCell::MaskColor() const { return surface_->maskColor(); }
void GlavoCell::SetMaskColor(OleColor v) {
  surface_->setMaskColor(v);
  PaintCell();
  NotifyChanged("MaskColor");
}
PictureRef GlavoCell::MouseIcon() const { return surface_->mouseIcon(); }
void GlavoCell::SetMouseIcon(PictureRef v) {
  surface_->setMouseIcon(std::move(v));
  NotifyChanged("MouseIcon");
}
std::int16_t GlavoCell::MousePointer() const { return surface_->mousePointer(); }
void GlavoCell::SetMousePointer(std::int16_t v) {
  surface_->setMousePointer(v);
  NotifyChanged("MousePointer");
}

// --- Own fields: store, repaint, notify.
void GlavoCell::SetBorderColor1(OleColor v) { Let(borderColor1_, v, "BorderColor1"); }
void GlavoCell::SetBorderColor2(OleColor v) { Let(borderColor2_, v, "BorderColor2"); }
void GlavoCell::SetCellColor1(OleColor v) { Let(cellColor1_, v, "CellColor1"); }
void GlavoCell::SetCellColor2(OleColor v) { Let(cellColor2_, v, "CellColor2"); }
void GlavoCell::SetCellColor3(OleColor v) { Let(cellColor3_, v, "CellColor3"); }
void GlavoCell::SetCellColor4(OleColor v) { Let(cellColor4_, v, "CellColor4"); }
void GlavoCell::SetBorderStyle(std::int32_t v) { Let(borderStyle_, CellBorderStyle{v}, "BorderStyle"); }
void GlavoCell::SetBorderSize(std::int32_t v) { Let(borderSize_, v, "BorderSize"); }
void GlavoCell::SetCellStyle(std::int32_t v) { Let(cellStyle_, CellFillStyle{v}, "CellStyle"); }
void GlavoCell::SetSplitSize(std::int32_t v) { Let(splitSize_, v, "SplitSize"); }
void GlavoCell::SetBlendSize(std::int32_t v) { Let(blendSize_, v, "BlendSize"); }
void GlavoCell::SetBorderRoundW(std::int32_t v) { Let(borderRoundW_, v, "BorderRoundW"); }
void GlavoCell::SetBorderRoundH(std::int32_t v) { Let(borderRoundH_, v, "BorderRoundH"); }
void GlavoCell::SetFlipCell(std::int32_t v) { Let(flipCell_, CellFlip{v}, "FlipCell"); }
void GlavoCell::SetCaption(const std::u16string& v) { Let(caption_, v, "Caption"); }
void GlavoCell::SetCaptionAlignment(std::int32_t v) {
  Let(captionAlignment_, CellCaptionAlignment{v}, "CaptionAlignment");
}
void GlavoCell::SetCaptionColor(OleColor v) { Let(captionColor_, v, "CaptionColor"); }
void GlavoCell::SetCaptionShadow(bool v) { Let(captionShadow_, v, "CaptionShadow"); }
void GlavoCell::SetCaptionShadowColor(OleColor v) { Let(captionShadowColor_, v, "CaptionShadowColor"); }
void GlavoCell::SetCaptionRotate(bool v) { Let(captionRotate_, v, "CaptionRotate"); }
void GlavoCell::SetSymbolNo(std::int32_t v) { Let(symbolNo_, v, "SymbolNo"); }
void GlavoCell::SetSymbolDraw(bool v) { Let(symbolDraw_, v, "SymbolDraw"); }
void GlavoCell::SetIcon(PictureRef v) { Let(icon_, std::move(v), "Icon"); }
void GlavoCell::SetIconSize(std::int32_t v) { Let(iconSize_, v, "IconSize"); }

// --- Store and notify only.
void GlavoCell::SetCellStateNormalData(const std::u16string& v) {
  normalData_ = v;
  NotifyChanged("CellStateNormalData");
}
void GlavoCell::SetCellStateOverData(const std::u16string& v) {
  overData_ = v;
  NotifyChanged("CellStateOverData");
}
void GlavoCell::SetCellStateDownData(const std::u16string& v) {
  downData_ = v;
  NotifyChanged("CellStateDownData");
}
void GlavoCell::SetAnimate(bool v) {
  animate_ = v;
  NotifyChanged("Animate");
}
void GlavoCell::SetDoubleClickEnable(bool v) {
  doubleClickEnable_ = v;
  NotifyChanged("DoubleClickEnable");
}

// The stored look of each state.
const std::u16string* GlavoCell::StateData(CellLookState state) const {
  switch (state) {
    case CellLookState::kNormal: return &normalData_;
    case CellLookState::kOver: return &overData_;
    case CellLookState::kDown: return &downData_;
  }
  return nullptr;
}

void GlavoCell::SetCellState(std::int32_t v) {
  cellState_ = CellLookState{v};
  if (const std::u16string* look = StateData(cellState_)) LoadCellTheme(u"", *look);
  NotifyChanged("CellState");
}

void GlavoCell::SetCellStateUpdate(bool v) {
  cellStateUpdate_ = v;
  if (v) {
    const std::u16string look = SaveCellTheme();
    if (cellState_ == CellLookState::kNormal) SetCellStateNormalData(look);
    if (cellState_ == CellLookState::kOver) SetCellStateOverData(look);
    if (cellState_ == CellLookState::kDown) SetCellStateDownData(look);
  }
  cellStateUpdate_ = false;
  NotifyChanged("CellStateUpdate");
}

void GlavoCell::Refresh() { PaintCell(); }

}  // namespace glavo
