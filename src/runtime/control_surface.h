// The windowed surface the control framework gives each control: its
// place in the container (extender), colours, font, mouse pointer, device
// context, window handle, scale size, mask, and the factories for the
// child objects a control owns (child surfaces, picture boxes, timers).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "draw/device_context.h"
#include "draw/picture.h"
#include "runtime/color_table.h"
#include "runtime/control_events.h"
#include "runtime/desktop.h"
#include "runtime/font.h"
#include "runtime/held.h"
#include "runtime/picture_box.h"
#include "runtime/timer.h"

namespace glavo {

// Standard mouse pointers; 99 takes the shape from MouseIcon.
namespace pointer {
inline constexpr std::int16_t kDefault = 0;
inline constexpr std::int16_t kArrow = 1;
inline constexpr std::int16_t kSizeNESW = 6;
inline constexpr std::int16_t kSizeNS = 7;
inline constexpr std::int16_t kSizeNWSE = 8;
inline constexpr std::int16_t kSizeWE = 9;
inline constexpr std::int16_t kSizeAll = 15;
inline constexpr std::int16_t kCustom = 99;
}  // namespace pointer

class ControlSurface {
 public:
  virtual ~ControlSurface() = default;

  // The control that receives this surface's events (null: none).
  virtual void setEventSink(ControlEvents* sink) = 0;

  // --- Extender: place in the container, in the container's pixels.
  virtual Rect bounds() const = 0;
  // Moves and sizes the surface; a size change raises Resize.
  virtual void move(int left, int top, int width, int height) = 0;
  virtual bool visible() const = 0;
  // Showing a hidden surface raises Show.
  virtual void setVisible(bool visible) = 0;
  virtual void bringToFront() = 0;  // top of its siblings' z-order
  // Between these two a windowed surface may leave the screen as it is
  // while its children are moved, sized and repainted, and show the result
  // in one repaint at the release. Calls nest; surfaces without windows
  // ignore them.
  virtual void holdRedraw() {}
  virtual void releaseRedraw() {}
  virtual std::u16string toolTipText() const = 0;
  virtual void setToolTipText(const std::u16string& text) = 0;

  // --- Inner size in scale units (pixels for our controls).
  virtual float scaleWidth() const = 0;
  virtual float scaleHeight() const = 0;
  // Screen pixels per typographic point (4/3 at 96 dpi).
  virtual double pixelsPerPoint() const = 0;

  // --- Properties kept by the surface.
  virtual OleColor foreColor() const = 0;
  // Also the text colour of dc().
  virtual void setForeColor(OleColor color) = 0;
  virtual OleColor backColor() const = 0;
  virtual void setBackColor(OleColor color) = 0;
  virtual bool enabled() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual FontRef font() const = 0;
  virtual void setFont(FontRef font) = 0;  // kept by reference
  virtual OleColor fillColor() const = 0;
  virtual void setFillColor(OleColor color) = 0;
  virtual std::int16_t fillStyle() const = 0;
  virtual void setFillStyle(std::int16_t style) = 0;
  virtual std::int16_t drawWidth() const = 0;
  virtual void setDrawWidth(std::int16_t width) = 0;
  virtual std::int16_t mousePointer() const = 0;
  virtual void setMousePointer(std::int16_t pointer) = 0;
  virtual PictureRef mouseIcon() const = 0;
  virtual void setMouseIcon(PictureRef icon) = 0;

  // --- Transparency: wherever the mask picture has the mask colour, the
  // surface is transparent (clicks and drawing show what lies beneath).
  virtual OleColor maskColor() const = 0;
  virtual void setMaskColor(OleColor color) = 0;
  virtual PictureRef maskPicture() const = 0;
  virtual void setMaskPicture(PictureRef mask) = 0;
  // True where the mask makes the surface transparent at (x, y).
  virtual bool transparentAt(int x, int y) const = 0;

  // --- Drawing.
  virtual DeviceContext& dc() = 0;  // hdc
  // PaintPicture: copies the source rectangle of `source` onto the surface;
  // a negative destination width or height mirrors, as StretchBlt does.
  virtual void paintPicture(DeviceContext& source, int dx, int dy, int dw, int dh, int sx, int sy,
                            int sw, int sh, std::uint32_t rop) = 0;
  // Makes what was drawn visible now.
  virtual void refresh() = 0;

  // --- Handles and ambient properties.
  virtual WindowHandle hwnd() const = 0;
  virtual WindowHandle containerHwnd() const = 0;
  // True when a pointer at `screen` (screen pixels) reaches this surface,
  // not a window or part above it.
  virtual bool isUnder(Point screen) const { return desktop().windowFromPoint(screen) == hwnd(); }
  virtual FontRef ambientFont() const = 0;
  virtual bool userMode() const = 0;  // false in a designer
  virtual const ColorTable& colors() const = 0;
  virtual const Desktop& desktop() const = 0;

  // Tells the container that a property changed (PropertyChanged).
  virtual void propertyChanged(std::string_view name) = 0;

  // --- Objects the control owns.
  // A child surface inside this one, hidden, at (0, 0) with size 0 x 0.
  virtual std::unique_ptr<ControlSurface> createChild() = 0;
  // A hidden picture box of the given size, drawn with this surface's colours.
  virtual std::unique_ptr<PictureBox> createPictureBox(int width, int height) = 0;
  // A disabled timer with interval 0, ticking on the UI thread.
  virtual std::unique_ptr<Timer> createTimer() = 0;
};

// Holds a surface's redraw for a scope.
using HeldRedraw =
    Held<ControlSurface, &ControlSurface::holdRedraw, &ControlSurface::releaseRedraw>;

}  // namespace glavo
