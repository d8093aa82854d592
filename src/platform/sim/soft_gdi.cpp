#include "platform/sim/soft_gdi.h"

#include <utility>

namespace glavo::sim {

SoftGdi::SoftGdi() { stock_ = add(text_.defaultFont()); }

SoftGdi::~SoftGdi() = default;

FontHandle SoftGdi::add(std::shared_ptr<const text::Font> font) {
  auto object = std::make_unique<FontObject>();
  object->font = std::move(font);
  const auto handle = reinterpret_cast<FontHandle>(object.get());
  fonts_.emplace(handle, std::move(object));
  return handle;
}

SoftGdi::FontObject* SoftGdi::find(FontHandle font) const {
  const auto it = fonts_.find(font);
  return it == fonts_.end() ? nullptr : it->second.get();
}

FontHandle SoftGdi::createFont(const LogFont& lf) { return add(text_.createFont(lf)); }

bool SoftGdi::deleteFont(FontHandle font) {
  FontObject* object = find(font);
  if (!object) return false;
  if (font == stock_) return true;
  if (object->selections > 0) return false;
  fonts_.erase(font);
  return true;
}

bool SoftGdi::isFont(FontHandle font) const { return find(font) != nullptr; }

const text::Font* SoftGdi::fontOf(FontHandle font) const {
  const FontObject* object = find(font);
  return object ? object->font.get() : nullptr;
}

void SoftGdi::noteSelected(FontHandle font) {
  if (FontObject* object = find(font)) ++object->selections;
}

void SoftGdi::noteDeselected(FontHandle font) {
  if (FontObject* object = find(font); object && object->selections > 0) --object->selections;
}

int SoftGdi::liveFonts() const { return static_cast<int>(fonts_.size()) - (stock_ ? 1 : 0); }

}  // namespace glavo::sim
