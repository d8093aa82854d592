// The layout pass and the Show sequence: placing the parts around the
// client area, the caption and window text, the work area.
#include <limits>

#include "graphics/rounding.h"
#include "skin/frame_layout.h"
#include "skin/glavo_skin.h"
#include "skin/quiet_step.h"

namespace glavo {

namespace {

// A part's place in whole pixels. Metrics read from a saved form are not
// clamped, so a place may lie beyond what the extender can hold: that is
// the framework's overflow error at the caller, as in any container.
int ExtenderPixels(double v) {
  const double r = RoundHalfEven(v);
  if (!(r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max())) {
    throw HostError(host_error::kOverflow, "Overflow");
  }
  return static_cast<int>(r);
}

}  // namespace

void GlavoSkin::onShow() { ShowSequence(); }

// Origin of the host form, its client size, the layout pass, and (outside a
// drag) the window-menu styles of the borderless form.
void GlavoSkin::ShowSequence() {
  const Rect client = ClientPixels();
  if (surface_->bounds() != client) surface_->move(0, 0, client.width(), client.height());
  LayoutParts();
  if (!resizing_) AddWindowMenuStyles();
}

// The form's client area in whole pixels, at the form's origin.
Rect GlavoSkin::ClientPixels() {
  const int width = static_cast<int>(RoundHalfEven(form().scaleWidth() / TwipsX()));
  const int height = static_cast<int>(RoundHalfEven(form().scaleHeight() / TwipsY()));
  return Rect{0, 0, width, height};
}

void GlavoSkin::AddWindowMenuStyles() {
  const WindowHandle hwnd = form().hwnd();
  const std::int32_t style = env_->windows.getWindowLong(hwnd, kGwlStyle);
  env_->windows.setWindowLong(hwnd, kGwlStyle,
                             static_cast<std::int32_t>(static_cast<std::uint32_t>(style) |
                                                       kWsSysMenu | kWsMinimizeBox | kWsMaximizeBox));
}

void GlavoSkin::LayoutParts(PlaceFailure onFailure) {
  if (titleBarSize_ == 0) titleBarSize_ = 30;
  if (borderSize_ == 0) borderSize_ = 3;

  FrameInput in;
  in.clientWidth = surface_->scaleWidth();
  in.clientHeight = surface_->scaleHeight();
  in.borderSize = borderSize_;
  in.titleBarSize = titleBarSize_;
  in.buttonSize = buttonSize_;
  in.showCloseButton = showCloseButton_;
  in.showMaximizeButton = showMaximizeButton_;
  in.showMinimizeButton = showMinimizeButton_;
  in.showHelpButton = showHelpButton_;
  in.showIconButton = showIconButton_;
  in.backgroundShow = backgroundShow_;
  const FrameLayout layout = ComputeFrameLayout(in);

  // The parts move and repaint with the screen left alone; it shows the
  // finished frame in one repaint.
  HeldRedraw held(*surface_);
  PaintBackground();
  auto place = [&](SkinPartsGwr p) {
    auto step = [&] {
      const PartPlacement& at = layout.parts[p];
      ControlSurface& s = part(p).surface();
      s.setVisible(at.visible);
      s.move(ExtenderPixels(at.left), ExtenderPixels(at.top), ExtenderPixels(at.width),
             ExtenderPixels(at.height));
    };
    if (onFailure == PlaceFailure::kSkipPart) {
      RunQuietly(step);
    } else {
      step();
    }
  };
  place(gwr_TitleBar);
  // The borders and corners overlap the title bar's last row; the order in
  // which they come to the front leaves the corners on top.
  for (SkinPartsGwr p : {gwr_LeftBar, gwr_RightBar, gwr_BottomBar, gwr_LeftCorner, gwr_RightCorner}) {
    place(p);
    part(p).surface().bringToFront();
  }
  for (SkinPartsGwr p : {gwr_Back, gwr_CloseButton, gwr_MaximizeButton, gwr_MinimizeButton,
                         gwr_HelpButton, gwr_Icon}) {
    place(p);
  }

  part(gwr_Icon).SetIcon(form().icon());
  part(gwr_TitleBar).SetLeftMargin(layout.captionLeftMargin);
  part(gwr_TitleBar).SetCaption(caption_);
  SetUniText(part(gwr_TitleBar).GetUniCaption());

  if (form().windowState() == FormWindowState::kMinimized) {
    skinState_ = gwr_Minimized;
  } else {
    skinState_ = isMaximized_ ? gwr_Maximized : gwr_Normal;
  }
}

// The control's own surface shows its background colour wherever no part
// covers it.
void GlavoSkin::PaintBackground() {
  DeviceContext& dc = surface_->dc();
  Rgb color = 0;
  if (!surface_->colors().translate(surface_->backColor(), color)) return;
  dc.fillRect(Rect{0, 0, dc.width(), dc.height()}, color);
  surface_->refresh();
}

// The desktop less the taskbar's height, taken off the bottom wherever the
// taskbar sits.
Rect GlavoSkin::GetWorkArea() {
  Rect tray;
  const WindowHandle trayWindow = env_->windows.findWindow("Shell_traywnd", "");
  if (trayWindow != 0) env_->windows.getWindowRect(trayWindow, tray);
  const auto trayHeight = static_cast<std::int16_t>(tray.bottom - tray.top);
  Rect desktop;
  env_->windows.getWindowRect(env_->windows.desktopWindow(), desktop);
  desktop.bottom -= trayHeight;
  return desktop;
}

// A form without a window has no window text to set.
void GlavoSkin::SetUniText(const std::u16string& text) {
  if (form().isWindowed()) env_->windows.setWindowText(form().hwnd(), text);
}

}  // namespace glavo
