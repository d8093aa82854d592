// The entry points of glavowrap.ocx: the four standard exports of an
// in-process server and DllInstall for per-user registration
// (regsvr32 /n /i:user).
#include <cwctype>
#include <string>

#include "server/class_factory.h"
#include "server/module_state.h"
#include "server/registry_writer.h"


namespace {

using glavo::server::RegistrationScope;

HRESULT RegisterIn(RegistrationScope scope) {
  auto rows = glavo::server::ResolveRegistration(glavo::server::ModulePath());
  HRESULT hr = glavo::server::Register(scope, rows);
  return FAILED(hr) ? SELFREG_E_CLASS : S_OK;
}

HRESULT UnregisterFrom(RegistrationScope scope) {
  auto rows = glavo::server::ResolveRegistration(glavo::server::ModulePath());
  HRESULT hr = glavo::server::Unregister(scope, rows);
  return FAILED(hr) ? SELFREG_E_CLASS : S_OK;
}

bool IsUserScope(const wchar_t* commandLine) {
  if (!commandLine) return false;
  std::wstring text(commandLine);
  for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text == L"user";
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    glavo::server::SetModuleInstance(instance);
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllCanUnloadNow() { return glavo::server::ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** out) {
  return glavo::server::GetClassFactory(clsid, riid, out);
}

STDAPI DllRegisterServer() { return RegisterIn(RegistrationScope::kMachine); }

STDAPI DllUnregisterServer() { return UnregisterFrom(RegistrationScope::kMachine); }

// "user" registers under HKEY_CURRENT_USER\Software\Classes; an empty
// command line or "machine" behaves like DllRegisterServer.
STDAPI DllInstall(BOOL install, LPCWSTR commandLine) {
  RegistrationScope scope = IsUserScope(commandLine) ? RegistrationScope::kUser
                                                     : RegistrationScope::kMachine;
  return install ? RegisterIn(scope) : UnregisterFrom(scope);
}

}  // extern "C"
