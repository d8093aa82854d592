#include "call_log.h"

#include <oleauto.h>

#include <cstdio>

namespace vb_container {

std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; text && *text; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
  return out;
}

std::string VariantText(const VARIANT& v) {
  switch (v.vt) {
    case VT_BOOL: return v.boolVal ? "True" : "False";
    case VT_BSTR: return "\"" + Narrow(v.bstrVal) + "\"";
    case VT_DISPATCH: case VT_UNKNOWN: return "object";
    case VT_EMPTY: return "empty";
    default: {
      VARIANT copy;
      VariantInit(&copy);
      if (FAILED(VariantChangeType(&copy, const_cast<VARIANT*>(&v), 0, VT_R8))) return "?";
      char text[40];
      std::snprintf(text, sizeof text, "%.10g", copy.dblVal);
      return text;
    }
  }
}

}  // namespace vb_container
