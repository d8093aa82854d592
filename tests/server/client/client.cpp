#include "client.h"

#include <cstdio>

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

std::wstring Hex(HRESULT hr) {
  wchar_t text[16];
  std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

}  // namespace client
