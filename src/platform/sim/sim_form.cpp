#include "platform/sim/sim_form.h"

#include <algorithm>
#include <cmath>

namespace glavo::soft {
namespace {

// Frame of a bordered form, in pixels: sides and bottom, and the caption.
constexpr double kFramePixels = 4;
constexpr double kCaptionPixels = 22;

[[noreturn]] void NoMember() {
  throw HostError(host_error::kNoSuchMember, "Object doesn't support this property or method");
}

[[noreturn]] void CannotSize() {
  throw HostError(384, "A form can't be moved or sized while minimized or maximized");
}

int Pixels(double twips, double tpp) { return static_cast<int>(std::nearbyint(twips / tpp)); }

}  // namespace

SimForm::SimForm(SimDesktop& desktop, const SimScreen& screen, const Rect& pixels,
                 std::u16string caption)
    : desktop_(desktop), screen_(screen), caption_(std::move(caption)), icon_(DefaultFormIcon()) {
  const double tx = screen_.twipsPerPixelX(), ty = screen_.twipsPerPixelY();
  normal_ = {pixels.left * tx, pixels.top * ty, pixels.width() * tx, pixels.height() * ty};
  window_ = desktop_.createWindow(pixels);
}

SimForm::~SimForm() = default;

double SimForm::frameX() const { return borderStyle_ == 0 ? 0 : 2 * kFramePixels * screen_.twipsPerPixelX(); }

double SimForm::frameY() const {
  return borderStyle_ == 0 ? 0 : (2 * kFramePixels + kCaptionPixels) * screen_.twipsPerPixelY();
}

// A maximized borderless form covers the whole screen.
SimForm::Bounds SimForm::current() const {
  if (windowState_ == 2) return {0, 0, screen_.width(), screen_.height()};
  return normal_;
}

Rect SimForm::pixelBounds() const {
  const Bounds b = current();
  const double tx = screen_.twipsPerPixelX(), ty = screen_.twipsPerPixelY();
  const int left = Pixels(b.left, tx), top = Pixels(b.top, ty);
  return Rect{left, top, left + Pixels(b.width, tx), top + Pixels(b.height, ty)};
}

void SimForm::moveTo(Point screen) {
  if (windowState_ != 0) return;
  normal_.left = screen.x * screen_.twipsPerPixelX();
  normal_.top = screen.y * screen_.twipsPerPixelY();
  syncWindow();
}

void SimForm::syncWindow() {
  const Rect r = pixelBounds();
  window_->move(r.left, r.top, r.width(), r.height());
  window_->setVisible(loaded_ && windowState_ != 1);
}

HostValue SimForm::get(std::string_view member) {
  if (std::find(removed_.begin(), removed_.end(), member) != removed_.end()) NoMember();
  const Bounds b = current();
  if (member == "BorderStyle") return borderStyle_;
  if (member == "ShowInTaskbar") return showInTaskbar_;
  if (member == "Caption") return caption_;
  if (member == "WindowState") return windowState_;
  if (member == "hwnd") return static_cast<std::int32_t>(window_->hwnd());
  if (member == "Icon") return icon_;
  if (member == "Left") return b.left;
  if (member == "Top") return b.top;
  if (member == "Width") return b.width;
  if (member == "Height") return b.height;
  if (member == "ScaleWidth") return std::max(0.0, b.width - frameX());
  if (member == "ScaleHeight") return std::max(0.0, b.height - frameY());
  NoMember();
}

void SimForm::setBound(double Bounds::*field, const HostValue& value) {
  const double v = HostToDouble(value);
  if (windowState_ != 0) CannotSize();
  if ((field == &Bounds::width || field == &Bounds::height) && v < 0) {
    throw HostError(host_error::kInvalidCall, "Invalid procedure call or argument");
  }
  normal_.*field = v;
  syncWindow();
}

void SimForm::set(std::string_view member, const HostValue& value) {
  if (std::find(removed_.begin(), removed_.end(), member) != removed_.end()) NoMember();
  if (member == "BorderStyle") {
    borderStyle_ = HostToLong(value);
  } else if (member == "ShowInTaskbar") {
    showInTaskbar_ = HostToBool(value);
  } else if (member == "Caption") {
    caption_ = HostToString(value);
  } else if (member == "WindowState") {
    setWindowState(HostToLong(value));
  } else if (member == "Icon") {
    icon_ = HostToPicture(value);
  } else if (member == "Left") {
    setBound(&Bounds::left, value);
  } else if (member == "Top") {
    setBound(&Bounds::top, value);
  } else if (member == "Width") {
    setBound(&Bounds::width, value);
  } else if (member == "Height") {
    setBound(&Bounds::height, value);
  } else if (member == "hwnd" || member == "ScaleWidth" || member == "ScaleHeight") {
    throw HostError(host_error::kCannotChange, "Can't set a read-only property");
  } else {
    NoMember();
  }
}

void SimForm::setWindowState(std::int32_t state) {
  if (state < 0 || state > 2) throw HostError(380, "Invalid property value");
  windowState_ = state;
  syncWindow();
}

void SimForm::unload() {
  ++unloadRequests_;
  if (queryUnload_ && queryUnload_()) return;
  loaded_ = false;
  syncWindow();
}

PictureRef DefaultFormIcon() {
  constexpr int kSize = 32;
  std::vector<std::uint32_t> px(kSize * kSize, 0);
  auto put = [&](int x, int y, std::uint32_t c) { px[y * kSize + x] = c; };
  for (int y = 3; y < 29; ++y) {
    for (int x = 2; x < 30; ++x) {
      const bool edge = x == 2 || x == 29 || y == 3 || y == 28;
      const bool corner = (x == 2 || x == 29) && (y == 3 || y == 28);
      if (corner) continue;
      std::uint32_t c = 0xFFFFFFFFu;                       // page
      if (y < 10) c = 0xFF1F6FD0u + ((y - 3) << 1);        // blue title strip
      if (edge) c = 0xFF0E3F86u;                           // dark outline
      if (y >= 14 && y < 16 && x >= 6 && x < 26) c = 0xFF9DB7DAu;
      if (y >= 19 && y < 21 && x >= 6 && x < 22) c = 0xFF9DB7DAu;
      if (y >= 24 && y < 26 && x >= 6 && x < 18) c = 0xFF9DB7DAu;
      put(x, y, c);
    }
  }
  for (int x = 22; x < 27; ++x) put(x, 6, 0xFFFFFFFFu);  // a tiny caption button
  return std::make_shared<const Picture>(PictureType::kIcon, kSize, kSize, std::move(px));
}

}  // namespace glavo::soft
