// The container's record of every call between it and the control, one
// line each, so that the native suite can assert sequences: "LOG who.what
// detail", "STEP name" between scenarios' stages, "FACT name value" for
// what the container sees, "DONE" at the end.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "com_client.h"

namespace vb_container {

class CallLog : public com_client::ResultFile {
 public:
  using ResultFile::ResultFile;
  void call(const std::string& text) { line("LOG " + text); }
  void step(const std::string& name) { line("STEP " + name); }
  void fact(const std::string& name, const std::string& value) { line("FACT " + name + " " + value); }
  void done() { line("DONE"); }
};

using com_client::Hex;
using com_client::NoTypeInfo;
using com_client::NoTypeInfoCount;
using com_client::QueryOne;
using com_client::RectText;
inline std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; text && *text; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
  return out;
}

// com_client::Describe's text in a log line.
inline std::string VariantText(const VARIANT& v) { return Narrow(com_client::Describe(v).c_str()); }

}  // namespace vb_container
