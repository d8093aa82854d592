// A base for classes that own something by identity (a library handle, a
// window, a cache, a registration): a copy would share or release it twice.
#pragma once

namespace glavo {

class Noncopyable {
 public:
  Noncopyable(const Noncopyable&) = delete;
  Noncopyable& operator=(const Noncopyable&) = delete;

 protected:
  Noncopyable() = default;
  ~Noncopyable() = default;
};

}  // namespace glavo
