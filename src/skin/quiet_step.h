// The one way the skin skips a failure: a step of an operation that
// reports nothing by contract (loading a theme, setting the window text of
// an unknown parent). A host error ends that step only; the operation goes
// on with its next step. Everywhere else the host's errors pass through to
// the caller (docs/error-policy.md).
#pragma once

#include "runtime/host_value.h"

namespace glavo {

template <typename Step>
void RunQuietly(Step&& step) {
  try {
    step();
  } catch (const HostError&) {
    // Skipped: the contract of the operation reports nothing.
  }
}

}  // namespace glavo
