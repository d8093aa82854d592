#include "client.h"

#include <cstdio>
#include <sstream>

namespace client {

IDispatch* CreateSkin(const std::wstring& ocxPath) {
  std::wstring why;
  auto* object = static_cast<IDispatch*>(com_client::CreateFromDll(ocxPath, CLSID_GlavoSkin, IID_IDispatch, &why));
  if (!object) std::wprintf(L"error: %ls\n", why.c_str());
  return object;
}

std::size_t ThemeFields(IDispatch* skin) {
  const std::wstring text = Theme(skin);
  std::size_t fields = text.empty() ? 0 : 1;
  for (std::size_t at = text.find(L"#$#"); at != std::wstring::npos; at = text.find(L"#$#", at + 3)) ++fields;
  return fields;
}

std::vector<std::wstring> PropertyNames(IDispatch* skin, INVOKEKIND kind) {
  std::vector<std::wstring> out;
  ITypeInfo* type = nullptr;
  if (FAILED(skin->GetTypeInfo(0, LOCALE_USER_DEFAULT, &type))) return out;
  TYPEATTR* attr = nullptr;
  type->GetTypeAttr(&attr);
  for (UINT i = 0; attr && i < attr->cFuncs; ++i) {
    FUNCDESC* f = nullptr;
    if (FAILED(type->GetFuncDesc(i, &f))) continue;
    if (f->invkind == kind) {
      BSTR name = nullptr;
      UINT got = 0;
      type->GetNames(f->memid, &name, 1, &got);
      if (name) out.emplace_back(name);
      SysFreeString(name);
    }
    type->ReleaseFuncDesc(f);
  }
  if (attr) type->ReleaseTypeAttr(attr);
  type->Release();
  return out;
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
