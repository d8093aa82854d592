// The DLL's own lifetime state: its instance handle and how many objects and
// server locks keep it loaded. A COM server answers DllCanUnloadNow from
// process-wide counts, so this is the one place with mutable globals.
#pragma once

#include <string>

#include "server/com_headers.h"

namespace glavo::server {

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();
// Full path of glavowrap.ocx as loaded.
std::wstring ModulePath();

// Objects and IClassFactory::LockServer keep the module loaded.
void LockModule();
void UnlockModule();
bool ModuleInUse();

}  // namespace glavo::server
