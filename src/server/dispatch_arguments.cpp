#include "server/dispatch_arguments.h"

#include <cwchar>

namespace glavo::server {
namespace {

// The member `id` as called with `flags` (a get may also be a method call).
bool Matches(const FUNCDESC& f, DISPID id, WORD flags) {
  if (f.memid != id) return false;
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    return f.invkind == INVOKE_PROPERTYPUT || f.invkind == INVOKE_PROPERTYPUTREF;
  }
  return f.invkind == INVOKE_FUNC || f.invkind == INVOKE_PROPERTYGET;
}

// Texts and variants reach the member as they are; everything else passes
// through the system's conversion.
bool WantsConversion(const TYPEDESC& type) {
  return type.vt != VT_BSTR && type.vt != VT_VARIANT && type.vt != VT_PTR;
}

bool IsCutText(const VARIANT& v) {
  const VARIANT* value = v.vt == (VT_VARIANT | VT_BYREF) && v.pvarVal ? v.pvarVal : &v;
  BSTR text = nullptr;
  if (value->vt == VT_BSTR) text = value->bstrVal;
  if (value->vt == (VT_BSTR | VT_BYREF) && value->pbstrVal) text = *value->pbstrVal;
  if (!text) return false;
  const UINT length = SysStringLen(text);
  return std::wcslen(text) < length;
}

// The declared parameter that argument `index` of `params` fills; -1 for a
// named argument other than a let's value.
int ParameterOf(const FUNCDESC& f, const DISPPARAMS& params, UINT index) {
  if (index < params.cNamedArgs) {
    const bool value = params.rgdispidNamedArgs && params.rgdispidNamedArgs[index] == DISPID_PROPERTYPUT;
    return value ? f.cParams - 1 : -1;
  }
  // Positional arguments come last to first.
  return static_cast<int>(params.cArgs - 1 - index);
}

}  // namespace

HRESULT RefuseCutTexts(ITypeInfo* type, DISPID id, WORD flags, const DISPPARAMS* params, UINT* argError) {
  if (!type || !params || !params->rgvarg) return S_OK;
  TYPEATTR* attr = nullptr;
  if (FAILED(type->GetTypeAttr(&attr))) return S_OK;
  HRESULT result = S_OK;
  for (UINT i = 0; i < attr->cFuncs && result == S_OK; ++i) {
    FUNCDESC* f = nullptr;
    if (FAILED(type->GetFuncDesc(i, &f))) continue;
    if (Matches(*f, id, flags)) {
      for (UINT arg = 0; arg < params->cArgs; ++arg) {
        const int parameter = ParameterOf(*f, *params, arg);
        if (parameter < 0 || parameter >= f->cParams) continue;
        if (WantsConversion(f->lprgelemdescParam[parameter].tdesc) && IsCutText(params->rgvarg[arg])) {
          if (argError) *argError = arg;
          result = DISP_E_TYPEMISMATCH;
          break;
        }
      }
    }
    type->ReleaseFuncDesc(f);
  }
  type->ReleaseTypeAttr(attr);
  return result;
}

}  // namespace glavo::server
