// Something held for a scope: `hold` now, `release` when the scope ends, on
// an object that outlives the scope.
#pragma once

#include "draw/noncopyable.h"

namespace glavo {

template <class Object, void (Object::*hold)(), void (Object::*release)()>
class Held : Noncopyable {
 public:
  explicit Held(Object& object) : object_(object) { (object_.*hold)(); }
  ~Held() { (object_.*release)(); }

 private:
  Object& object_;
};

}  // namespace glavo
