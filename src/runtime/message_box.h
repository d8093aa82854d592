// The host's modal message box.
#pragma once

#include <string>

namespace glavo {

inline constexpr unsigned kMbOk = 0;

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows `text` modally with the OK button; an empty title means the
  // host's default title.
  virtual void show(const std::u16string& text, const std::u16string& title, unsigned style) = 0;
};

}  // namespace glavo
