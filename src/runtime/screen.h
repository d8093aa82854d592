// The host's Screen object: the desktop size in twips and the twips per pixel.
#pragma once

namespace glavo {

class Screen {
 public:
  virtual ~Screen() = default;
  virtual double width() const = 0;   // twips
  virtual double height() const = 0;  // twips
  virtual double twipsPerPixelX() const = 0;
  virtual double twipsPerPixelY() const = 0;
};

}  // namespace glavo
