// Calls out to the sinks of a connection point: automation events through
// IDispatch::Invoke, property changes through IPropertyNotifySink.
#pragma once

#include <span>

#include "server/connection_point.h"

namespace glavo::server {

// Invokes event `id` on every sink with `args` in declaration order. By
// reference arguments point at the caller's variables, so what a sink
// stores there is what the caller reads back after the call.
void FireEvent(const ConnectionPoint& point, DISPID id, std::span<const VARIANTARG> args);

// A by-reference VARIANTARG over a variable of the caller.
VARIANTARG ByRef(short& value);
VARIANTARG ByRef(float& value);
VARIANTARG ByRef(long& value);

// IPropertyNotifySink::OnChanged(id) on every sink.
void NotifyChanged(const ConnectionPoint& point, DISPID id);

}  // namespace glavo::server
