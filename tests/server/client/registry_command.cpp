// registry machine|user: prints every key and value below the server's
// registry roots ("key PATH" and "value PATH|NAME=DATA" lines, sorted), or
// "absent ROOT" for a root that does not exist.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "client.h"

namespace {

std::wstring GuidText(const GUID& guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

void Walk(HKEY parent, const std::wstring& path, const std::wstring& shown,
          std::vector<std::wstring>& lines) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  lines.push_back(L"key " + shown);
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameSize = 256, type = 0, dataSize = 0;
    BYTE data[2048];
    dataSize = sizeof(data);
    if (RegEnumValueW(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) {
      break;
    }
    std::wstring text = type == REG_SZ ? std::wstring(reinterpret_cast<wchar_t*>(data))
                                       : L"type" + std::to_wstring(type);
    lines.push_back(L"value " + shown + L"|" + (nameSize ? name : L"@") + L"=" + text);
  }
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameSize = 256;
    if (RegEnumKeyExW(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      break;
    }
    Walk(key, name, shown + L"\\" + name, lines);
  }
  RegCloseKey(key);
}

}  // namespace

int RegistryCommand(int argc, wchar_t** argv) {
  if (argc < 1) return 2;
  std::wstring scope = argv[0];
  HKEY root = nullptr;
  if (scope == L"machine") {
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0, KEY_READ, &root);
  } else {
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, KEY_READ, &root);
  }
  if (!root) return 1;
  const std::wstring roots[] = {
      L"CLSID\\" + GuidText(CLSID_GlavoSkin),
      L"CLSID\\{D2DCDE7E-0DB2-4234-A463-4BA9FA5C1C29}",  // the property page
      L"Glavowrap.GlavoSkin",
      L"Glavowrap.GlavoSkin.1",
      L"TypeLib\\" + GuidText(LIBID_Glavowrap),
      L"Interface\\" + GuidText(IID__GlavoSkin),
      L"Interface\\" + GuidText(DIID___GlavoSkin),
  };
  std::vector<std::wstring> lines;
  for (const auto& path : roots) {
    std::size_t before = lines.size();
    Walk(root, path, path, lines);
    if (lines.size() == before) lines.push_back(L"absent " + path);
  }
  RegCloseKey(root);
  std::sort(lines.begin(), lines.end());
  for (const auto& line : lines) std::wprintf(L"%ls\n", line.c_str());
  return 0;
}
