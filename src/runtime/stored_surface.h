// The part of a control surface every backend keeps as plain values: the
// colours, font, fill and pen settings, pointer, tool tip and mask, and
// what follows from them alone (the text colour of the context, the back
// colour fill, transparency under the mask). A backend overrides the
// setters whose change must reach the platform (a window region, a cursor).
#pragma once

#include <string>

#include "runtime/control_surface.h"

namespace glavo {

class StoredSurface : public ControlSurface {
 public:
  std::u16string toolTipText() const override { return toolTip_; }
  void setToolTipText(const std::u16string& text) override { toolTip_ = text; }

  OleColor foreColor() const override { return foreColor_; }
  // Also the text colour of dc().
  void setForeColor(OleColor color) override;
  OleColor backColor() const override { return backColor_; }
  // Fills the whole surface with the colour.
  void setBackColor(OleColor color) override;
  bool enabled() const override { return enabled_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  FontRef font() const override { return font_; }
  void setFont(FontRef font) override { font_ = std::move(font); }
  OleColor fillColor() const override { return fillColor_; }
  void setFillColor(OleColor color) override { fillColor_ = color; }
  std::int16_t fillStyle() const override { return fillStyle_; }
  void setFillStyle(std::int16_t style) override { fillStyle_ = style; }
  std::int16_t drawWidth() const override { return drawWidth_; }
  void setDrawWidth(std::int16_t width) override { drawWidth_ = width; }
  std::int16_t mousePointer() const override { return mousePointer_; }
  void setMousePointer(std::int16_t pointer) override { mousePointer_ = pointer; }
  PictureRef mouseIcon() const override { return mouseIcon_; }
  void setMouseIcon(PictureRef icon) override {
    mouseIcon_ = std::move(icon);
    MouseIconChanged();
  }

  OleColor maskColor() const override { return maskColor_; }
  void setMaskColor(OleColor color) override {
    maskColor_ = color;
    MaskChanged();
  }
  PictureRef maskPicture() const override { return mask_; }
  void setMaskPicture(PictureRef mask) override {
    mask_ = std::move(mask);
    MaskChanged();
  }
  bool transparentAt(int x, int y) const override;
  // Pixels of the surface's bounds at 96 dpi, unless a window says otherwise.
  float scaleWidth() const override { return static_cast<float>(bounds().width()); }
  float scaleHeight() const override { return static_cast<float>(bounds().height()); }
  double pixelsPerPoint() const override { return 96.0 / 72.0; }

  void paintPicture(DeviceContext& source, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                    int sh, std::uint32_t rop) override;

 protected:
  // The colour the surface shows for an OLE colour (ColorTable::shown).
  Rgb Shown(OleColor color) const { return colors().shown(color); }
  // The mask colour as RGB; false when the mask makes nothing transparent.
  bool MaskKey(Rgb& key) const;
  // The mask picture when its colour makes part of it transparent, else null.
  PictureRef KeyedMask(Rgb& key) const { return MaskKey(key) ? mask_ : nullptr; }
  // What a backend does when the mask or the mouse icon changed.
  virtual void MaskChanged() {}
  virtual void MouseIconChanged() {}

  // The framework's defaults: button text on a button face, no fill, a
  // one-pixel pen, the default pointer.
  std::u16string toolTip_;
  OleColor foreColor_ = 0x80000012;
  OleColor backColor_ = 0x8000000F;
  bool enabled_ = true;
  FontRef font_;
  OleColor fillColor_ = 0;
  std::int16_t fillStyle_ = 1;
  std::int16_t drawWidth_ = 1;
  std::int16_t mousePointer_ = 0;
  PictureRef mouseIcon_;
  OleColor maskColor_ = 0x8000000F;
  PictureRef mask_;
};

}  // namespace glavo
