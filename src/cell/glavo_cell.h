// GlavoCell: the private drawing control every skin part is made of. A
// rounded rectangle in one of 25 fill styles and 8 border styles, with a
// caption, a symbol glyph or an icon, and three looks (normal, over, down)
// that can follow the mouse.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cell/cell_options.h"
#include "cell/fill_styles.h"
#include "cell/glavo_cell_events.h"
#include "draw/noncopyable.h"
#include "runtime/control_surface.h"
#include "runtime/property_bag.h"

namespace glavo {

class GlavoCell final : private ControlEvents, Noncopyable {
 public:
  // The cell takes its surface (usually a child of the owner's surface),
  // creates its picture box `pic` and its 1 ms OverTimer (enabled), and
  // starts with the defaults of a new cell's fields; call InitProperties
  // or ReadProperties next, as the framework does.
  explicit GlavoCell(std::unique_ptr<ControlSurface> surface);
  ~GlavoCell() override;

  ControlSurface& surface() { return *surface_; }
  const ControlSurface& surface() const { return *surface_; }
  PictureBox& pic() { return *pic_; }
  Timer& overTimer() { return *overTimer_; }
  void setListener(GlavoCellEvents* listener) { listener_ = listener; }

  // --- Lifecycle (framework events).
  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;

  // --- Forwarded surface properties.
  OleColor ForeColor() const;
  void SetForeColor(OleColor v);
  bool Enabled() const;
  void SetEnabled(bool v);
  FontRef Font() const;
  void SetFont(FontRef v);
  OleColor FillColor() const;
  void SetFillColor(OleColor v);
  std::int16_t FillStyle() const;
  void SetFillStyle(std::int16_t v);
  DeviceContext& hdc();
  WindowHandle hwnd() const;
  WindowHandle ContainerHwnd() const;
  std::int16_t DrawWidth() const;
  void SetDrawWidth(std::int16_t v);
  OleColor MaskColor() const;
  void SetMaskColor(OleColor v);
  PictureRef MouseIcon() const;
  void SetMouseIcon(PictureRef v);
  std::int16_t MousePointer() const;
  void SetMousePointer(std::int16_t v);

  // --- Own fields (store, repaint, notify unless noted).
  OleColor BorderColor1() const { return borderColor1_; }
  void SetBorderColor1(OleColor v);
  OleColor BorderColor2() const { return borderColor2_; }
  void SetBorderColor2(OleColor v);
  OleColor CellColor1() const { return cellColor1_; }
  void SetCellColor1(OleColor v);
  OleColor CellColor2() const { return cellColor2_; }
  void SetCellColor2(OleColor v);
  OleColor CellColor3() const { return cellColor3_; }
  void SetCellColor3(OleColor v);
  OleColor CellColor4() const { return cellColor4_; }
  void SetCellColor4(OleColor v);
  // The enumerated options read and take their numbers (cell/cell_options.h),
  // as property bags, records and callers hold them.
  std::int32_t BorderStyle() const { return OptionNumber(borderStyle_); }
  void SetBorderStyle(std::int32_t v);
  std::int32_t BorderSize() const { return borderSize_; }
  void SetBorderSize(std::int32_t v);
  std::int32_t CellStyle() const { return OptionNumber(cellStyle_); }
  void SetCellStyle(std::int32_t v);
  std::int32_t SplitSize() const { return splitSize_; }
  void SetSplitSize(std::int32_t v);
  std::int32_t BlendSize() const { return blendSize_; }
  void SetBlendSize(std::int32_t v);
  std::int32_t BorderRoundW() const { return borderRoundW_; }
  void SetBorderRoundW(std::int32_t v);
  std::int32_t BorderRoundH() const { return borderRoundH_; }
  void SetBorderRoundH(std::int32_t v);
  std::int32_t FlipCell() const { return OptionNumber(flipCell_); }
  void SetFlipCell(std::int32_t v);
  const std::u16string& Caption() const { return caption_; }
  void SetCaption(const std::u16string& v);
  std::int32_t CaptionAlignment() const { return OptionNumber(captionAlignment_); }
  void SetCaptionAlignment(std::int32_t v);
  OleColor CaptionColor() const { return captionColor_; }
  void SetCaptionColor(OleColor v);
  bool CaptionShadow() const { return captionShadow_; }
  void SetCaptionShadow(bool v);
  OleColor CaptionShadowColor() const { return captionShadowColor_; }
  void SetCaptionShadowColor(OleColor v);
  bool CaptionRotate() const { return captionRotate_; }
  void SetCaptionRotate(bool v);
  std::int32_t SymbolNo() const { return symbolNo_; }
  void SetSymbolNo(std::int32_t v);
  bool SymbolDraw() const { return symbolDraw_; }
  void SetSymbolDraw(bool v);
  PictureRef Icon() const { return icon_; }
  void SetIcon(PictureRef v);
  std::int32_t IconSize() const { return iconSize_; }
  void SetIconSize(std::int32_t v);
  // Applies the stored look of the state and repaints; a number outside
  // the states is stored and notified but changes no look.
  std::int32_t CellState() const { return OptionNumber(cellState_); }
  void SetCellState(std::int32_t v);
  void SetCellState(CellLookState v) { SetCellState(OptionNumber(v)); }
  // Command: True records the current look into the current state's data.
  bool CellStateUpdate() const { return cellStateUpdate_; }
  void SetCellStateUpdate(bool v);
  // Store and notify only.
  const std::u16string& CellStateNormalData() const { return normalData_; }
  void SetCellStateNormalData(const std::u16string& v);
  const std::u16string& CellStateOverData() const { return overData_; }
  void SetCellStateOverData(const std::u16string& v);
  const std::u16string& CellStateDownData() const { return downData_; }
  void SetCellStateDownData(const std::u16string& v);
  bool Animate() const { return animate_; }
  void SetAnimate(bool v);
  bool DoubleClickEnable() const { return doubleClickEnable_; }
  void SetDoubleClickEnable(bool v);

  // --- Methods.
  // The record of the current look; also written (whole or not at all) to
  // `fileName` when it is not empty.
  std::u16string SaveCellTheme(const std::u16string& fileName = u"");
  // Applies the record from the file or, when given, from `themeString`;
  // repaints in any case.
  void LoadCellTheme(const std::u16string& fileName = u"", const std::u16string& themeString = u"");
  // Anti-aliased rounded rectangle; X, Y left/top, W, h right/bottom edges.
  void SmoothRect(PictureBox& target, std::int32_t X, std::int32_t Y, std::int32_t W,
                  std::int32_t h, std::int32_t RW, std::int32_t RH, Rgb RectColor, bool FillIn);
  void SetLeftMargin(std::int32_t margin) { leftMargin_ = margin; }
  std::u16string GetUniCaption() const;
  void DrawTextString(const std::u16string& TextString, OleColor vColor, bool vShadow,
                      OleColor vShadowColor, std::int32_t vAlignment,
                      const std::u16string& vFontName, float vFontSize, bool vBold, bool vItalic,
                      std::int32_t vLeft, std::int32_t vTop, std::int32_t vRight,
                      std::int32_t vBottom, std::int32_t vEscapement, std::int32_t vOrientation);
  void Refresh();

 private:
  // ControlEvents: what the surface delivers.
  void onShow() override;
  void onResize() override;
  void onClick() override;
  void onDblClick() override;
  void onKeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
  void onKeyPress(std::int16_t& keyAscii) override;
  void onKeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
  void onMouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void onMouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void onMouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void onLostFocus() override;

  const std::u16string* StateData(CellLookState state) const;
  void OverTimerTick();
  bool IsMouseOver();
  void RaiseClickKind(bool doubleClick);
  template <typename T, typename V>
  void Let(T& field, V value, const char* name);
  void NotifyChanged(const char* name);

  void PaintCell();
  void FillCell();
  void DrawBorder();
  void DrawCaption();
  void DrawSymbolGlyph();
  void DrawIcon();
  void SelectCaptionFont(const LogFont& lf);
  void DrawCornerArc(PictureBox& target, std::int32_t cx, std::int32_t cy, std::int32_t rx,
                     std::int32_t ry, float startAngle, float stopAngle, Rgb color);
  void DrawSurfaceText(const std::u16string& text, Rect rect, unsigned flags, bool shadow,
                       OleColor shadowColor, OleColor color);
  // Text with its optional shadow on `dc`; `setInk` gives the colour of
  // the next drawing (the surface's or the picture's fore colour).
  void DrawShadowedText(DeviceContext& dc, const std::function<void(OleColor)>& setInk,
                        const std::u16string& text, Rect rect, unsigned flags, bool shadow,
                        OleColor shadowColor, OleColor color);
  double NextRandom();

  std::unique_ptr<ControlSurface> surface_;
  std::unique_ptr<PictureBox> pic_;
  std::unique_ptr<Timer> overTimer_;
  GlavoCellEvents* listener_ = nullptr;

  bool doubleClickEnable_ = false;
  bool animate_ = false;
  std::u16string normalData_;
  std::u16string overData_;
  std::u16string downData_;
  CellLookState cellState_ = CellLookState::kNormal;
  bool cellStateUpdate_ = false;
  std::int32_t iconSize_ = 20;
  PictureRef icon_;
  std::int32_t symbolNo_ = 1;
  bool symbolDraw_ = false;
  bool captionRotate_ = false;
  std::u16string caption_;
  CellCaptionAlignment captionAlignment_ = CellCaptionAlignment::kCenter;
  OleColor captionColor_ = 0;
  bool captionShadow_ = false;
  OleColor captionShadowColor_ = 0;
  CellFlip flipCell_ = CellFlip::kNone;
  std::int32_t borderRoundW_ = 3;
  std::int32_t borderRoundH_ = 3;
  std::int32_t splitSize_ = 50;
  std::int32_t blendSize_ = 1;
  CellBorderStyle borderStyle_ = CellBorderStyle::kSolid;
  std::int32_t borderSize_ = 1;
  CellFillStyle cellStyle_ = CellFillStyle::kGlow;
  OleColor borderColor1_ = 0;
  OleColor borderColor2_ = 0;
  OleColor cellColor1_ = 0;
  OleColor cellColor2_ = 0;
  OleColor cellColor3_ = 0;
  OleColor cellColor4_ = 0;

  Point lastCursor_;
  std::int32_t leftMargin_ = 0;
  bool pointerOutside_ = false;
  bool rightButton_ = false;
  FontHandle captionFont_ = 0;  // the font our last caption/text created
  FontHandle surfaceFont_ = 0;  // the surface's font before our first caption
  std::unique_ptr<PictureBox> arcScratch_;  // corner window for the arcs
  // What the current mask was made from: it depends only on these, so a
  // pass with the same values reuses it.
  struct MaskShape {
    std::int32_t sw = -1, sh = -1, picW = -1, picH = -1, roundW = 0, roundH = 0, drawWidth = 0;
    friend bool operator==(const MaskShape&, const MaskShape&) = default;
  };
  MaskShape maskShape_;
  void MakeMask(std::int32_t sw, std::int32_t sh);
  // Everything a full paint is made from. Painting is idempotent for every
  // look but the random shimmer, an unknown mirror and a pass cut short by
  // a limit, so a let that leaves all of it as the last paint found it
  // keeps the picture instead of painting it again.
  struct PaintInputs {
    std::u16string caption;
    PictureRef icon;
    FontRef fontRef;
    FontObject font;
    FillInputs fill;  // the body's colours (translated), style and shape
    // The cell's other fields.
    std::int32_t iconSize = 0, symbolNo = 0, leftMargin = 0;
    CellCaptionAlignment captionAlignment = CellCaptionAlignment::kCenter;
    bool symbolDraw = false, captionRotate = false, captionShadow = false, enabled = false;
    CellFlip flip = CellFlip::kNone;
    CellBorderStyle borderStyle = CellBorderStyle::kSolid;
    // The other colours as painted, after translation.
    Rgb borderColor1 = 0, borderColor2 = 0, captionColor = 0, captionShadowColor = 0;
    Rgb maskColor = 0, foreColor = 0, fillColor = 0;
    // The surface and the hidden picture.
    double scaleWidth = 0, scaleHeight = 0, pixelsPerPoint = 0;
    std::int32_t surfaceFillStyle = 0, surfaceDrawWidth = 0;
    std::int32_t picWidth = 0, picHeight = 0, picDrawWidth = 0;
    friend bool operator==(const PaintInputs&, const PaintInputs&) = default;
  };
  FillInputs CurrentFillInputs() const;
  PaintInputs CurrentPaintInputs() const;
  bool PaintIsCurrent() const { return painted_ && *painted_ == CurrentPaintInputs(); }
  // Empty while the surface may show something a paint would not.
  std::optional<PaintInputs> painted_;
  std::uint64_t randomState_ = 0;
};

}  // namespace glavo
