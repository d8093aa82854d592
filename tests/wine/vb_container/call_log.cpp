#include "call_log.h"

namespace vb_container {

std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; text && *text; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
  return out;
}

std::string VariantText(const VARIANT& v) { return Narrow(com_client::Describe(v).c_str()); }

}  // namespace vb_container
