#include "cell/leading_number.h"

#include <cmath>
#include <string>

#include "graphics/rounding.h"
#include "runtime/number_text.h"

namespace glavo {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

}  // namespace

double LeadingNumber(std::u16string_view text) {
  std::u16string s;
  for (char16_t c : text) {
    if (!IsBlank(c)) s.push_back(c);
  }
  return ReadNumberPrefix(s).value;
}

std::optional<std::int32_t> LeadingInt32(std::u16string_view text) {
  try {
    return RoundToInt32(LeadingNumber(text));
  } catch (const OverflowError&) {
    return std::nullopt;
  }
}

}  // namespace glavo
