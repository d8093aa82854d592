// Automation arguments checked before the type library converts them.
#pragma once

#include "server/com_headers.h"

namespace glavo::server {

// A text with an embedded NUL given where `type`'s member `id` wants a
// number or a truth value: the system's conversion would read it only up
// to the NUL ("1\0 2" as 1), but such a text is no number, so the call is a
// type mismatch (`argError` names the argument) and nothing changes.
// S_OK when every argument may go on to the conversion.
HRESULT RefuseCutTexts(ITypeInfo* type, DISPID id, WORD flags, const DISPPARAMS* params, UINT* argError);

}  // namespace glavo::server
