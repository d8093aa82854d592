#include "stage/skin_stage.h"

#include <algorithm>

namespace glavo::stage {

SkinStage::SkinStage(Size screen, Rect form, std::u16string caption)
    : desktop_(std::make_unique<sim::SimDesktop>(screen.cx, screen.cy)),
      screen_(std::make_unique<sim::SimScreen>(screen)),
      windows_(std::make_unique<sim::SimWindowApi>(*desktop_)),
      menus_(std::make_unique<sim::SimMenu>()),
      pump_(std::make_unique<sim::SimMessagePump>(*desktop_)),
      form_(std::make_unique<sim::SimForm>(*desktop_, *screen_, form, std::move(caption))) {
  windows_->addForm(*form_);
  std::unique_ptr<ControlSurface> surface = form_->window().createChild();
  skinSurface_ = static_cast<sim::SimSurface*>(surface.get());
  skin_ = std::make_unique<GlavoSkin>(std::move(surface), environment());
}

SkinEnvironment SkinStage::environment() {
  return SkinEnvironment{*form_, *screen_, *windows_, *menus_, *pump_};
}

SkinStage::~SkinStage() {
  skin_.reset();
  form_.reset();
}

void SkinStage::place() {
  skin_->InitProperties();
  skinSurface_->setVisible(true);
}

void SkinStage::load(const PropertyBag& bag) {
  skin_->ReadProperties(bag);
  skinSurface_->setVisible(true);
}

void SkinStage::rebind() {
  std::unique_ptr<ControlSurface> surface = form_->window().createChild();
  skinSurface_ = static_cast<sim::SimSurface*>(surface.get());
  skin_->Rebind(std::move(surface), environment());
  skinSurface_->setVisible(true);
}

Point SkinStage::partPoint(SkinPartsGwr part, int dx, int dy) const {
  auto& surface = static_cast<sim::SimSurface&>(skin_->part(part).surface());
  const Point origin = surface.screenOrigin();
  const Rect b = surface.bounds();
  return Point{origin.x + b.width() / 2 + dx, origin.y + b.height() / 2 + dy};
}

raster::Bitmap SkinStage::render() const {
  const raster::Bitmap screen = desktop_->composite();
  const Rect r = form_->pixelBounds();
  const int left = std::max(0, r.left), top = std::max(0, r.top);
  const int right = std::min(screen.width(), r.right), bottom = std::min(screen.height(), r.bottom);
  raster::Bitmap out(std::max(0, right - left), std::max(0, bottom - top));
  for (int y = top; y < bottom; ++y) {
    const raster::Pixel* src = screen.row(y);
    raster::Pixel* dst = out.overwriteRow(y - top);
    for (int x = left; x < right; ++x) dst[x - left] = src[x] | 0xFF000000u;
  }
  return out;
}

}  // namespace glavo::stage
