#include "platform/sim/sim_form.h"

#include <algorithm>
#include <cmath>

namespace glavo::sim {
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

double SimForm::frameX() const {
  return borderStyle_ == FormBorderStyle::kNone ? 0 : 2 * kFramePixels * screen_.twipsPerPixelX();
}

double SimForm::frameY() const {
  if (borderStyle_ == FormBorderStyle::kNone) return 0;
  return (2 * kFramePixels + kCaptionPixels) * screen_.twipsPerPixelY();
}

// A maximized borderless form covers the whole screen.
SimForm::Bounds SimForm::current() const {
  if (windowState_ == FormWindowState::kMaximized) return {0, 0, screen_.width(), screen_.height()};
  return normal_;
}

Rect SimForm::pixelBounds() const {
  const Bounds b = current();
  const double tx = screen_.twipsPerPixelX(), ty = screen_.twipsPerPixelY();
  const int left = Pixels(b.left, tx), top = Pixels(b.top, ty);
  return Rect{left, top, left + Pixels(b.width, tx), top + Pixels(b.height, ty)};
}

void SimForm::moveTo(Point screen) {
  if (windowState_ != FormWindowState::kNormal) return;
  normal_.left = screen.x * screen_.twipsPerPixelX();
  normal_.top = screen.y * screen_.twipsPerPixelY();
  syncWindow();
}

void SimForm::syncWindow() {
  const Rect r = pixelBounds();
  window_->move(r.left, r.top, r.width(), r.height());
  window_->setVisible(loaded_ && windowState_ != FormWindowState::kMinimized);
}

void SimForm::require(Member member) const {
  if (std::find(removed_.begin(), removed_.end(), member) != removed_.end()) NoMember();
}

double SimForm::bound(FormBound which) {
  require(Member::kBounds);
  const Bounds b = current();
  switch (which) {
    case FormBound::kLeft: return b.left;
    case FormBound::kTop: return b.top;
    case FormBound::kWidth: return b.width;
    case FormBound::kHeight: return b.height;
  }
  NoMember();
}

void SimForm::setBound(FormBound which, double twips) {
  require(Member::kBounds);
  if (windowState_ != FormWindowState::kNormal) CannotSize();
  if ((which == FormBound::kWidth || which == FormBound::kHeight) && twips < 0) {
    throw HostError(host_error::kInvalidCall, "Invalid procedure call or argument");
  }
  switch (which) {
    case FormBound::kLeft: normal_.left = twips; break;
    case FormBound::kTop: normal_.top = twips; break;
    case FormBound::kWidth: normal_.width = twips; break;
    case FormBound::kHeight: normal_.height = twips; break;
  }
  syncWindow();
}

double SimForm::scaleWidth() {
  require(Member::kClientSize);
  return std::max(0.0, current().width - frameX());
}

double SimForm::scaleHeight() {
  require(Member::kClientSize);
  return std::max(0.0, current().height - frameY());
}

FormWindowState SimForm::windowState() {
  require(Member::kWindowState);
  return windowState_;
}

void SimForm::setWindowState(FormWindowState state) {
  require(Member::kWindowState);
  if (state != FormWindowState::kNormal && state != FormWindowState::kMinimized &&
      state != FormWindowState::kMaximized) {
    throw HostError(380, "Invalid property value");
  }
  windowState_ = state;
  syncWindow();
}

void SimForm::setBorderStyle(FormBorderStyle style) {
  require(Member::kFrame);
  borderStyle_ = style;
}

void SimForm::setShowInTaskbar(bool show) {
  require(Member::kFrame);
  showInTaskbar_ = show;
}

std::u16string SimForm::caption() {
  require(Member::kCaption);
  return caption_;
}

void SimForm::setCaption(const std::u16string& text) {
  require(Member::kCaption);
  caption_ = text;
}

PictureRef SimForm::icon() {
  require(Member::kIcon);
  return icon_;
}

void SimForm::setIcon(const PictureRef& icon) {
  require(Member::kIcon);
  icon_ = icon;
}

WindowHandle SimForm::hwnd() {
  require(Member::kHwnd);
  return window_->hwnd();
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

}  // namespace glavo::sim
