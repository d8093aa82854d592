// The Windows and OLE declarations every server file needs, followed by the
// interfaces widl generated from the type library.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oaidl.h>
#include <ocidl.h>
#include <olectl.h>
#include <objsafe.h>

// The generated declarations give optional BSTR parameters a literal
// default, which C++ flags as a string-constant conversion.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wwrite-strings"
#include "glavowrap_idl.h"
#pragma GCC diagnostic pop
