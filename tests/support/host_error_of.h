// The host's error as the caller sees it, for the tests of what reaches it.
#pragma once

#include <cstdint>

#include "runtime/host_value.h"

namespace glavo::test_support {

// The number of the HostError `call` raised, or 0 if it returned.
template <typename Call>
std::int32_t HostErrorOf(Call&& call) {
  try {
    call();
  } catch (const HostError& e) {
    return e.number();
  }
  return 0;
}

}  // namespace glavo::test_support
