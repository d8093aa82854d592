#include "call_log.h"

#include <oleauto.h>

namespace vb_container {

CallLog::CallLog(const std::wstring& path) : file_(_wfopen(path.c_str(), L"w")) {}

CallLog::~CallLog() {
  if (file_) std::fclose(file_);
}

void CallLog::write(const std::string& line) {
  if (!file_) return;
  std::fputs(line.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

void CallLog::call(const std::string& text) { write("LOG " + text); }
void CallLog::step(const std::string& name) { write("STEP " + name); }
void CallLog::fact(const std::string& name, const std::string& value) { write("FACT " + name + " " + value); }
void CallLog::done() { write("DONE"); }

std::string Hex(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

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
