// hostile OCX TEMPDIR: every settable property of a control gets values of
// the wrong kind (Empty, Null, an object that is no font or picture, an
// array, texts that are no numbers, doubles beyond a Long, a text with an
// embedded NUL); the theme methods get wrong argument types. Theme files
// that are missing, folders or locked are glavo-win32-check's and the
// core's; huge or binary ones the hardening suite's.
// Each call may fail, but only with an automation error, and the control
// must work afterwards.
// Prints "put NAME VALUE HRESULT", "bad-error ..." for an exception
// without a description, "unusable ..." when the control stopped working,
// "nul-number NAME HRESULT kept True|False" for a number text cut by a
// NUL, "caption-nul True|False", "caption-million True|False", then
// "unusable N" and "done".
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "client.h"

namespace {

struct Named {
  const wchar_t* name;
  VARIANT value;
};

using client::Long;
using client::Text;
using client::TextOf;

VARIANT Make(VARTYPE vt) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  return v;
}

VARIANT Double(double d) {
  VARIANT v = Make(VT_R8);
  v.dblVal = d;
  return v;
}

VARIANT Array() {
  VARIANT v = Make(VT_ARRAY | VT_I4);
  v.parray = SafeArrayCreateVector(VT_I4, 0, 3);
  return v;
}

VARIANT Object(IDispatch* notAFont) {
  VARIANT v = Make(VT_DISPATCH);
  v.pdispVal = notAFont;
  notAFont->AddRef();
  return v;
}

std::vector<Named> HostileValues(IDispatch* notAFont) {
  return {{L"empty", Make(VT_EMPTY)},
          {L"null", Make(VT_NULL)},
          {L"object", Object(notAFont)},
          {L"array", Array()},
          {L"text-abc", Text(L"abc")},
          {L"text-inf", Text(L"inf")},
          {L"text-0x1", Text(L"0x1")},
          {L"double-1e300", Double(1e300)},
          {L"double-3e9", Double(3e9)},
          {L"text-nul", Text(std::wstring(L"1\0" L"2", 3))}};
}

bool Usable(IDispatch* skin) {
  VARIANT title = Text(L"Usable");
  const bool ok = client::ThemeFields(skin) == 24 && SUCCEEDED(client::Put(skin, L"Caption", title));
  VariantClear(&title);
  return ok;
}

std::wstring CaptionOf(IDispatch* skin) {
  VARIANT v;
  client::Get(skin, L"Caption", v);
  std::wstring text = TextOf(v, L"?");
  VariantClear(&v);
  return text;
}

bool CaptionKept(IDispatch* skin, const std::wstring& caption) {
  VARIANT v = Text(caption);
  const HRESULT hr = client::Put(skin, L"Caption", v);
  VariantClear(&v);
  return SUCCEEDED(hr) && CaptionOf(skin) == caption;
}

// "1\0 2" where a number or truth value is wanted is no number, though the
// system's conversion would read the 1 before the NUL: the let fails and
// the property keeps its value (each value before differs from 1).
void CheckCutNumbers(IDispatch* skin) {
  const std::pair<const wchar_t*, long> lets[] = {
      {L"BorderSize", 7}, {L"TitleBarSize", 41}, {L"BodyTheme", 8}, {L"AllowResize", 0}};
  for (const auto& [name, before] : lets) {
    VARIANT value = Long(before);
    client::Put(skin, name, value);
    VARIANT cut = Text(std::wstring(L"1\0 2", 4));
    const HRESULT hr = client::Put(skin, name, cut);
    VariantClear(&cut);
    std::wprintf(L"nul-number %ls %ls kept %ls\n", name, client::Hex(hr).c_str(),
                 com_client::GetLong(skin, name, -12345) == before ? L"True" : L"False");
  }
}

}  // namespace

int HostileCommand(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  IDispatch* skin = client::CreateSkin(argv[0]);
  if (!skin) return 1;
  IPersistStreamInit* persist = nullptr;
  skin->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
  if (persist) persist->InitNew();
  IDispatch* notAFont = client::CreateSkin(argv[0]);
  const std::wstring dir = argv[1];
  // A number given as a theme method's file name is a file name: it is
  // written in the current folder, which the test then removes.
  SetCurrentDirectoryW(dir.c_str());
  VARIANT themeFile = Text(dir + L"\\hostile.gwr");  // theme actions write here, not in the current folder
  int unusable = 0;
  auto check = [&](const std::wstring& what) {
    client::Put(skin, L"SkinThemeFile", themeFile);
    if (!Usable(skin)) {
      ++unusable;
      std::wprintf(L"unusable after %ls\n", what.c_str());
    }
  };

  std::vector<Named> values = HostileValues(notAFont);
  for (const std::wstring& name : client::PropertyNames(skin, INVOKE_PROPERTYPUT)) {
    for (auto& value : values) {
      for (WORD flags : {WORD(DISPATCH_PROPERTYPUT), WORD(DISPATCH_PROPERTYPUTREF)}) {
        const com_client::Called r = com_client::CallByName(skin, name.c_str(), flags, {value.value});
        if (flags == DISPATCH_PROPERTYPUT) std::wprintf(L"put %ls %ls %ls\n", name.c_str(), value.name, client::Hex(r.hr).c_str());
        if (!r.described) std::wprintf(L"bad-error %ls %ls\n", name.c_str(), value.name);
        check(name + L" " + value.name);
      }
    }
  }
  for (const wchar_t* method : {L"SaveSkinTheme", L"LoadSkinTheme"}) {
    for (auto& value : values) {
      if (value.value.vt == VT_BSTR) continue;  // texts are file names: tried below on purpose
      const com_client::Called r = com_client::CallByName(skin, method, DISPATCH_METHOD, {value.value});
      if (!r.described) std::wprintf(L"bad-error %ls %ls\n", method, value.name);
      check(std::wstring(method) + L" " + value.name);
    }
  }

  CheckCutNumbers(skin);
  check(L"cut numbers");
  std::wprintf(L"caption-nul %ls\n", CaptionKept(skin, std::wstring(L"left\0right", 10)) ? L"True" : L"False");
  std::wprintf(L"caption-million %ls\n", CaptionKept(skin, std::wstring(1000000, L'm')) ? L"True" : L"False");
  check(L"captions");

  for (auto& value : values) VariantClear(&value.value);
  VariantClear(&themeFile);
  std::wprintf(L"unusable %d\ndone\n", unusable);
  if (persist) persist->Release();
  notAFont->Release();
  skin->Release();
  return 0;
}
