#include "server/ole_trace.h"

#include <cstdio>
#include <string>

namespace glavo::server {
namespace {

void Append(const std::string& line) {
  wchar_t path[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"GLAVO_OLE_TRACE", path, MAX_PATH) == 0) return;
  FILE* file = _wfopen(path, L"a");
  if (!file) return;
  std::fputs(line.c_str(), file);
  std::fputc('\n', file);
  std::fclose(file);
}

// The interface's registered name, or its IID.
std::string InterfaceName(REFIID riid) {
  wchar_t iid[64] = {};
  StringFromGUID2(riid, iid, 64);
  std::wstring key = std::wstring(L"Interface\\") + iid;
  wchar_t name[128] = {};
  LONG size = sizeof(name);
  const std::wstring text = RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), name, &size) == ERROR_SUCCESS &&
                                    name[0]
                                ? std::wstring(name)
                                : std::wstring(iid);
  return std::string(text.begin(), text.end());
}

}  // namespace

void TraceQuery(const char* direction, REFIID riid, HRESULT result) {
  wchar_t probe[4];
  if (GetEnvironmentVariableW(L"GLAVO_OLE_TRACE", probe, 4) == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return;
  Append(std::string("QI ") + direction + " " + InterfaceName(riid) + (SUCCEEDED(result) ? " yes" : " no"));
}

void TraceCall(const char* what) { Append(std::string("call ") + what); }

}  // namespace glavo::server
