// The GDI object table of one software host: its text renderer and the font
// objects device contexts select.
#pragma once

#include <memory>
#include <unordered_map>

#include "draw/device_context.h"
#include "draw/noncopyable.h"
#include "text/text_renderer.h"

namespace glavo::sim {

class SoftGdi : Noncopyable {
 public:
  SoftGdi();
  ~SoftGdi();

  text::TextRenderer& textRenderer() { return text_; }

  // CreateFontIndirect: never fails (unknown faces fall back).
  FontHandle createFont(const LogFont& lf);
  // The stock font a fresh device context has selected; never deleted.
  FontHandle stockFont() const { return stock_; }
  // DeleteObject: false for an unknown handle and for a font still selected
  // in a device context; deleting the stock font succeeds and does nothing.
  bool deleteFont(FontHandle font);
  bool isFont(FontHandle font) const;
  // The realised font behind a handle; null for an unknown handle.
  const text::Font* fontOf(FontHandle font) const;

  // Selection bookkeeping of device contexts.
  void noteSelected(FontHandle font);
  void noteDeselected(FontHandle font);

  // Font objects created and not yet deleted (the stock font not counted).
  int liveFonts() const;

 private:
  struct FontObject {
    std::shared_ptr<const text::Font> font;
    int selections = 0;
  };
  FontObject* find(FontHandle font) const;
  FontHandle add(std::shared_ptr<const text::Font> font);

  text::TextRenderer text_;
  std::unordered_map<FontHandle, std::unique_ptr<FontObject>> fonts_;
  FontHandle stock_ = 0;
};

}  // namespace glavo::sim
