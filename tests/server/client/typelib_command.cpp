// typelib OCX: prints the type library embedded in the OCX, in order:
//   library NAME "DOC" MAJOR.MINOR flags=FLAGS syskind=SYSKIND
//   enum NAME CONST=VALUE ...
//   member INTERFACE ID KIND NAME(TYPE NAME[opt], ...) TYPE
//   coclass NAME IMPLTYPE:FLAGS ...
//   help TYPE[.MEMBER] "HELPSTRING"   (after each type, for it and each member)
#include <cstdio>
#include <string>
#include <vector>

#include "client.h"

namespace {

std::wstring TypeName(ITypeInfo* owner, const TYPEDESC& type) {
  switch (type.vt) {
    case VT_PTR: return TypeName(owner, *type.lptdesc) + L"*";
    case VT_USERDEFINED: {
      ITypeInfo* ref = nullptr;
      std::wstring name = L"?";
      if (SUCCEEDED(owner->GetRefTypeInfo(type.hreftype, &ref))) {
        BSTR text = nullptr;
        if (SUCCEEDED(ref->GetDocumentation(MEMBERID_NIL, &text, nullptr, nullptr, nullptr))) {
          name = text;
          SysFreeString(text);
        }
        ref->Release();
      }
      return name;
    }
    case VT_I2: return L"short";
    case VT_I4: return L"long";
    case VT_R4: return L"float";
    case VT_BSTR: return L"BSTR";
    case VT_BOOL: return L"VARIANT_BOOL";
    case VT_HRESULT: return L"HRESULT";
    case VT_VOID: return L"void";
    default: return L"vt" + std::to_wstring(type.vt);
  }
}

std::wstring Name(ITypeInfo* info, MEMBERID id) {
  BSTR text = nullptr;
  std::wstring name;
  if (SUCCEEDED(info->GetDocumentation(id, &text, nullptr, nullptr, nullptr)) && text) {
    name = text;
    SysFreeString(text);
  }
  return name;
}

// The help string the Object Browser shows for a type or one of its members.
void PrintHelp(ITypeInfo* info, MEMBERID id, const std::wstring& label) {
  BSTR doc = nullptr;
  info->GetDocumentation(id, nullptr, &doc, nullptr, nullptr);
  std::wprintf(L"help %ls \"%ls\"\n", label.c_str(), doc ? doc : L"");
  SysFreeString(doc);
}

const wchar_t* KindName(INVOKEKIND kind) {
  switch (kind) {
    case INVOKE_PROPERTYGET: return L"get";
    case INVOKE_PROPERTYPUT: return L"put";
    case INVOKE_PROPERTYPUTREF: return L"putref";
    default: return L"method";
  }
}

void PrintEnum(ITypeInfo* info, const TYPEATTR& attr) {
  const std::wstring type = Name(info, MEMBERID_NIL);
  std::wstring line = L"enum " + type;
  std::vector<MEMBERID> constants;
  for (UINT i = 0; i < attr.cVars; ++i) {
    VARDESC* var = nullptr;
    if (FAILED(info->GetVarDesc(i, &var))) continue;
    VARIANT value;
    VariantInit(&value);
    VariantChangeType(&value, var->lpvarValue, 0, VT_I4);
    line += L" " + Name(info, var->memid) + L"=" + std::to_wstring(value.lVal);
    constants.push_back(var->memid);
    info->ReleaseVarDesc(var);
  }
  std::wprintf(L"%ls\n", line.c_str());
  for (MEMBERID id : constants) PrintHelp(info, id, type + L"." + Name(info, id));
}

void PrintFunctions(ITypeInfo* info, const TYPEATTR& attr, const std::wstring& owner) {
  for (UINT i = 0; i < attr.cFuncs; ++i) {
    FUNCDESC* func = nullptr;
    if (FAILED(info->GetFuncDesc(i, &func))) continue;
    BSTR names[16] = {};
    UINT count = 0;
    info->GetNames(func->memid, names, 16, &count);
    std::wstring params;
    for (SHORT p = 0; p < func->cParams; ++p) {
      const ELEMDESC& e = func->lprgelemdescParam[p];
      if (!params.empty()) params += L", ";
      params += TypeName(info, e.tdesc);
      // Property puts have no parameter name of their own.
      if (static_cast<UINT>(p + 1) < count) params += L" " + std::wstring(names[p + 1]);
      USHORT flags = e.paramdesc.wParamFlags;
      if (flags & PARAMFLAG_FOPT) params += L"[opt]";
      if (flags & PARAMFLAG_FRETVAL) params += L"[retval]";
    }
    std::wprintf(L"member %ls %ld %ls %ls(%ls) %ls\n", owner.c_str(), func->memid,
                 KindName(func->invkind), names[0] ? names[0] : L"", params.c_str(),
                 TypeName(info, func->elemdescFunc.tdesc).c_str());
    PrintHelp(info, func->memid, owner + L"." + (names[0] ? names[0] : L""));
    for (UINT n = 0; n < count; ++n) SysFreeString(names[n]);
    info->ReleaseFuncDesc(func);
  }
}

void PrintCoclass(ITypeInfo* info, const TYPEATTR& attr) {
  std::wprintf(L"coclass %ls flags=%u", Name(info, MEMBERID_NIL).c_str(), attr.wTypeFlags);
  for (UINT i = 0; i < attr.cImplTypes; ++i) {
    HREFTYPE ref = 0;
    INT flags = 0;
    ITypeInfo* impl = nullptr;
    if (FAILED(info->GetRefTypeOfImplType(i, &ref)) || FAILED(info->GetRefTypeInfo(ref, &impl))) {
      continue;
    }
    info->GetImplTypeFlags(i, &flags);
    std::wprintf(L" %ls:%d", Name(impl, MEMBERID_NIL).c_str(), flags);
    impl->Release();
  }
  std::wprintf(L"\n");
}

void PrintType(ITypeInfo* info) {
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) return;
  std::wstring name = Name(info, MEMBERID_NIL);
  switch (attr->typekind) {
    case TKIND_ENUM: PrintEnum(info, *attr); break;
    case TKIND_COCLASS: PrintCoclass(info, *attr); break;
    case TKIND_DISPATCH: {
      // A dual interface is listed through its vtable half.
      HREFTYPE ref = 0;
      ITypeInfo* vtable = nullptr;
      if ((attr->wTypeFlags & TYPEFLAG_FDUAL) && SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref)) &&
          SUCCEEDED(info->GetRefTypeInfo(ref, &vtable))) {
        TYPEATTR* vattr = nullptr;
        vtable->GetTypeAttr(&vattr);
        std::wprintf(L"interface %ls dual flags=%u\n", name.c_str(), attr->wTypeFlags);
        PrintFunctions(vtable, *vattr, name);
        vtable->ReleaseTypeAttr(vattr);
        vtable->Release();
      } else {
        std::wprintf(L"dispinterface %ls flags=%u\n", name.c_str(), attr->wTypeFlags);
        PrintFunctions(info, *attr, name);
      }
      break;
    }
    default: std::wprintf(L"type %ls kind=%d\n", name.c_str(), attr->typekind); break;
  }
  PrintHelp(info, MEMBERID_NIL, name);
  info->ReleaseTypeAttr(attr);
}

}  // namespace

int TypelibCommand(int argc, wchar_t** argv) {
  if (argc < 1) return 2;
  ITypeLib* lib = nullptr;
  HRESULT hr = LoadTypeLibEx(argv[0], REGKIND_NONE, &lib);
  if (FAILED(hr)) {
    std::wprintf(L"error: LoadTypeLibEx %ls\n", client::Hex(hr).c_str());
    return 1;
  }
  BSTR name = nullptr, doc = nullptr;
  lib->GetDocumentation(-1, &name, &doc, nullptr, nullptr);
  TLIBATTR* attr = nullptr;
  lib->GetLibAttr(&attr);
  std::wprintf(L"library %ls \"%ls\" %u.%u flags=%u syskind=%d\n", name, doc ? doc : L"", attr->wMajorVerNum,
               attr->wMinorVerNum, attr->wLibFlags, attr->syskind);
  lib->ReleaseTLibAttr(attr);
  SysFreeString(name);
  SysFreeString(doc);
  for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
    ITypeInfo* info = nullptr;
    if (SUCCEEDED(lib->GetTypeInfo(i, &info))) {
      PrintType(info);
      info->Release();
    }
  }
  lib->Release();
  return 0;
}
