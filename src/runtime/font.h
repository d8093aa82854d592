// The font object a control holds by reference: name, size and style.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace glavo {

struct FontObject {
  std::u16string name = u"MS Sans Serif";
  float size = 8.25f;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  std::int16_t charset = 0;  // 2 = symbol character set

  friend bool operator==(const FontObject&, const FontObject&) = default;
};

// Font objects are shared: a control keeps the object it was given.
using FontRef = std::shared_ptr<FontObject>;

inline FontRef MakeFont(std::u16string name, float size, bool bold = false, bool italic = false) {
  auto font = std::make_shared<FontObject>();
  font->name = std::move(name);
  font->size = size;
  font->bold = bold;
  font->italic = italic;
  return font;
}

}  // namespace glavo
