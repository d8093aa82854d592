// toolbox: the picture a control toolbox shows for the registered class, as
// VB6 and Office find it: the ToolboxBitmap32 value ("module, id") of the
// class key, and the bitmap resource it names:
//   toolbox WIDTHxHEIGHT bpp=N colours=N
// or "toolbox error ..." when it cannot be had.
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "client.h"

int ToolboxCommand(int, wchar_t**) {
  wchar_t clsid[40] = {};
  StringFromGUID2(CLSID_GlavoSkin, clsid, 40);
  const std::wstring key = std::wstring(L"CLSID\\") + clsid + L"\\ToolboxBitmap32";
  wchar_t value[MAX_PATH + 16] = {};
  LONG size = sizeof(value);
  if (RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS) {
    std::wprintf(L"toolbox error no ToolboxBitmap32\n");
    return 1;
  }
  std::wstring text = value;
  const auto comma = text.rfind(L',');
  if (comma == std::wstring::npos) {
    std::wprintf(L"toolbox error value %ls\n", value);
    return 1;
  }
  const std::wstring module = text.substr(0, comma);
  const int id = std::stoi(text.substr(comma + 1));
  HMODULE library = LoadLibraryExW(module.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HBITMAP bitmap = library ? static_cast<HBITMAP>(LoadImageW(library, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                                             LR_CREATEDIBSECTION))
                           : nullptr;
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) {
    std::wprintf(L"toolbox error cannot load bitmap %d of %ls\n", id, module.c_str());
    return 1;
  }
  // Distinct colours: a picture, not a blank square.
  std::set<unsigned> colours;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int y = 0; y < info.bmHeight; ++y) {
    for (int x = 0; x < info.bmWidth; ++x) colours.insert(GetPixel(dc, x, y));
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  std::wprintf(L"toolbox %ldx%ld bpp=%u colours=%zu\n", info.bmWidth, info.bmHeight, info.bmBitsPixel,
               colours.size());
  DeleteObject(bitmap);
  FreeLibrary(library);
  return 0;
}
