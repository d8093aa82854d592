#include "server/module_state.h"

#include <atomic>

namespace glavo::server {
namespace {

struct ModuleState {
  HINSTANCE instance = nullptr;
  std::atomic<long> locks{0};
};

ModuleState& State() {
  static ModuleState state;
  return state;
}

}  // namespace

void SetModuleInstance(HINSTANCE instance) { State().instance = instance; }

HINSTANCE ModuleInstance() { return State().instance; }

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(ModuleInstance(), path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void LockModule() { ++State().locks; }
void UnlockModule() { --State().locks; }
bool ModuleInUse() { return State().locks.load() > 0; }

}  // namespace glavo::server
