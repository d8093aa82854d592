#include "client.h"

#include <cstdio>
#include <sstream>

namespace client {

IDispatch* CreateSkin(const std::wstring& ocxPath) {
  HMODULE module = LoadLibraryW(ocxPath.c_str());
  if (!module) {
    std::wprintf(L"error: cannot load %ls (%lu)\n", ocxPath.c_str(), GetLastError());
    return nullptr;
  }
  using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
  auto get = reinterpret_cast<GetClassObject>(GetProcAddress(module, "DllGetClassObject"));
  if (!get) {
    std::wprintf(L"error: DllGetClassObject is not exported\n");
    return nullptr;
  }
  IClassFactory* factory = nullptr;
  HRESULT hr = get(CLSID_GlavoSkin, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(hr)) {
    std::wprintf(L"error: DllGetClassObject %ls\n", Hex(hr).c_str());
    return nullptr;
  }
  IDispatch* object = nullptr;
  hr = factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&object));
  factory->Release();
  if (FAILED(hr)) {
    std::wprintf(L"error: CreateInstance %ls\n", Hex(hr).c_str());
    return nullptr;
  }
  return object;
}

namespace {

HRESULT IdOf(IDispatch* object, const wchar_t* name, DISPID& id) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
}

}  // namespace

HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT& out) {
  VariantInit(&out);
  DISPID id = 0;
  HRESULT hr = IdOf(object, name, id);
  if (FAILED(hr)) return hr;
  DISPPARAMS none = {};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &out,
                        nullptr, nullptr);
}

HRESULT PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value) {
  DISPID id = 0;
  HRESULT hr = IdOf(object, name, id);
  if (FAILED(hr)) return hr;
  VARIANTARG arg = value;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&arg, &named, 1, 1};
  WORD flags = value.vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, nullptr, nullptr,
                        nullptr);
}

std::wstring Theme(IDispatch* skin) {
  DISPID id = 0;
  VARIANT result;
  VariantInit(&result);
  DISPPARAMS none = {};
  if (SUCCEEDED(IdOf(skin, L"SaveSkinTheme", id))) {
    skin->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, &result, nullptr, nullptr);
  }
  std::wstring text = TextOf(result);
  VariantClear(&result);
  return text;
}

std::size_t ThemeFields(IDispatch* skin) {
  const std::wstring text = Theme(skin);
  std::size_t fields = text.empty() ? 0 : 1;
  for (std::size_t at = text.find(L"#$#"); at != std::wstring::npos; at = text.find(L"#$#", at + 3)) ++fields;
  return fields;
}

VARIANT Long(long n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

VARIANT Bool(bool b) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT Text(const std::wstring& s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
  return v;
}

std::wstring TextOf(const VARIANT& value, const std::wstring& otherwise) {
  if (value.vt != VT_BSTR) return otherwise;
  return value.bstrVal ? std::wstring(value.bstrVal, SysStringLen(value.bstrVal)) : L"";
}

void Print(const wchar_t* name, const std::wstring& value) {
  std::wprintf(L"%ls=%ls\n", name, value.c_str());
}

std::wstring Describe(const VARIANT& value) {
  std::wostringstream out;
  switch (value.vt) {
    case VT_EMPTY: return L"Empty";
    case VT_BOOL: return value.boolVal ? L"True" : L"False";
    case VT_BSTR: {
      // Non-ASCII characters as \uXXXX, so the text survives any console.
      out << L'"';
      for (const wchar_t* p = value.bstrVal ? value.bstrVal : L""; *p; ++p) {
        if (*p >= 32 && *p < 127) {
          out << *p;
        } else {
          wchar_t escape[8];
          std::swprintf(escape, 8, L"\\u%04X", static_cast<unsigned>(*p));
          out << escape;
        }
      }
      out << L'"';
      return out.str();
    }
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      IFont* font = nullptr;
      if (!value.punkVal ||
          FAILED(value.punkVal->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font)))) {
        return L"object";
      }
      BSTR name = nullptr;
      CY size = {};
      BOOL bold = FALSE, italic = FALSE;
      font->get_Name(&name);
      font->get_Size(&size);
      font->get_Bold(&bold);
      font->get_Italic(&italic);
      out << L"font(" << (name ? name : L"") << L"," << size.int64 / 10000.0 << L","
          << (bold ? L"True" : L"False") << L"," << (italic ? L"True" : L"False") << L")";
      SysFreeString(name);
      font->Release();
      return out.str();
    }
    default: {
      VARIANT text;
      VariantInit(&text);
      if (SUCCEEDED(VariantChangeTypeEx(&text, const_cast<VARIANT*>(&value), 0x0409, 0, VT_BSTR))) {
        out << text.bstrVal;
        VariantClear(&text);
      } else {
        out << L"vt" << value.vt;
      }
      return out.str();
    }
  }
}

std::wstring Hex(HRESULT hr) {
  wchar_t text[16];
  std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

}  // namespace client
